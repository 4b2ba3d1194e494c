#include "notes/fontdialog.h"
#include "platform/core/exceptions.h"
#include "support/recordingdialogs.h"
#include "support/testregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

CharFormat ownFont(std::optional<QRgb> colour = qRgb(0, 0, 0))
{
    return {QStringLiteral("MS Sans Serif"), CharFormat::kDefaultCharset, 16, colour};
}

template <class T> T *part(FontDialog &dialog, const char *name)
{
    return dialog.findChild<T *>(QString::fromLatin1(name));
}

void click(FontDialog &dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(which), Qt::LeftButton);
}

void chooseItem(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

void typeSize(FontDialog &dialog, const QString &size)
{
    QLineEdit *edit = part<QLineEdit>(dialog, "size");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, size);
}

// Picks the combo box entry `text` with the keyboard, as a user does.
void chooseEntry(QComboBox *box, const QString &text)
{
    box->setFocus();
    for (int guard = 0; guard < box->count() + 1 && box->currentText() != text; ++guard)
        QTest::keyClick(box, box->currentIndex() < box->findText(text) ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(box->currentText(), text);
}

QStringList texts(const QListWidget *list)
{
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    return shown;
}

// Runs the dialog modally while `whileOpen` works it, which must close it; a
// watchdog closes it should a check fail first.
bool runDialog(FontDialog &dialog, const std::function<void()> &whileOpen)
{
    QTimer::singleShot(0, &dialog, [&] {
        if (QTest::qWaitForWindowExposed(&dialog))
            whileOpen();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &dialog, &QDialog::reject);
    watchdog.start(10000);
    const bool confirmed = dialog.execute();
    return confirmed && watchdog.isActive();
}

} // namespace

class FontDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { recordedDialogs().reset(); }
    void okTakesTheSelection();
    void colourRules();
    void characterSetRules();
    void cancelAfterApplyKeepsTheAppliedFont();
    void sizeLimits_data();
    void sizeLimits();
    void applyErrorKeepsTheDialogOpen();
    void opensBesideItsWindowThenWhereLeft();
    void listsAreWholeEveryTimeItOpens();
};

void FontDialogTest::okTakesTheSelection()
{
    FontDialog dialog(ownFont());
    const bool confirmed = runDialog(dialog, [&] {
        chooseItem(part<QListWidget>(dialog, "face"), QStringLiteral("DejaVu Serif"));
        chooseItem(part<QListWidget>(dialog, "style"), QStringLiteral("Bold Italic"));
        typeSize(dialog, QStringLiteral("14"));
        QCheckBox *underline = dialog.findChildren<QCheckBox *>().at(1);
        QTest::mouseClick(underline, Qt::LeftButton, {}, QPoint(6, underline->height() / 2));
        click(dialog, QDialogButtonBox::Ok);
    });
    QVERIFY(confirmed);
    const CharFormat taken = dialog.dialogFont();
    QCOMPARE(taken.face, QStringLiteral("DejaVu Serif"));
    QCOMPARE(taken.halfPoints, 28);
    QVERIFY(taken.bold && taken.italic && taken.underline && !taken.strikeOut);
    // Another face brings its script's character set; Western for this one.
    QCOMPARE(taken.charset, CharFormat::kAnsiCharset);
    QCOMPARE(taken.colour, std::optional<QRgb>(qRgb(0, 0, 0)));
}

// A colour the list does not hold stays until the user picks one; Apply
// takes whatever the list has selected, OK only the user's choice.
void FontDialogTest::colourRules()
{
    FontDialog dialog(ownFont(qRgb(1, 2, 3)));
    std::vector<std::optional<QRgb>> applied;
    dialog.setApplyHandler([&] { applied.push_back(dialog.dialogFont().colour); });
    QVERIFY(runDialog(dialog, [&] {
        click(dialog, QDialogButtonBox::Apply);
        QComboBox *colours = part<QComboBox>(dialog, "colour");
        colours->setCurrentIndex(colours->findText(QStringLiteral("Navy")));
        click(dialog, QDialogButtonBox::Apply);
        dialog.setApplyHandler({});
        colours->setCurrentIndex(colours->findText(QStringLiteral("Teal")));
        click(dialog, QDialogButtonBox::Ok);
    }));
    QCOMPARE(applied, (std::vector<std::optional<QRgb>>{qRgb(1, 2, 3), qRgb(0, 0, 128)}));
    QCOMPARE(dialog.dialogFont().colour, std::optional<QRgb>(qRgb(0, 0, 128)));

    QVERIFY(runDialog(dialog, [&] {
        chooseEntry(part<QComboBox>(dialog, "colour"), QStringLiteral("Red"));
        click(dialog, QDialogButtonBox::Ok);
    }));
    QCOMPARE(dialog.dialogFont().colour, std::optional<QRgb>(qRgb(255, 0, 0)));
}

void FontDialogTest::characterSetRules()
{
    FontDialog dialog(ownFont());
    std::vector<int> applied;
    dialog.setApplyHandler([&] { applied.push_back(dialog.dialogFont().charset); });
    const bool confirmed = runDialog(dialog, [&] {
        chooseItem(part<QListWidget>(dialog, "face"), QStringLiteral("DejaVu Sans"));
        click(dialog, QDialogButtonBox::Apply); // another face, but no script chosen
        chooseEntry(part<QComboBox>(dialog, "script"), QStringLiteral("Cyrillic"));
        click(dialog, QDialogButtonBox::Apply);
        click(dialog, QDialogButtonBox::Ok);
    });
    QVERIFY(confirmed);
    QCOMPARE(applied, (std::vector<int>{CharFormat::kDefaultCharset, 204}));
    QCOMPARE(dialog.dialogFont().charset, 204);
}

void FontDialogTest::cancelAfterApplyKeepsTheAppliedFont()
{
    FontDialog dialog(ownFont());
    int applied = 0;
    dialog.setApplyHandler([&] { applied = dialog.dialogFont().halfPoints; });
    const bool confirmed = runDialog(dialog, [&] {
        typeSize(dialog, QStringLiteral("20"));
        click(dialog, QDialogButtonBox::Apply);
        QVERIFY(dialog.isVisible());
        typeSize(dialog, QStringLiteral("30"));
        click(dialog, QDialogButtonBox::Cancel);
    });
    QVERIFY(!confirmed);
    QCOMPARE(applied, 40);
    QCOMPARE(dialog.dialogFont().halfPoints, 40);

    QString reopened;
    runDialog(dialog, [&] {
        reopened = part<QLineEdit>(dialog, "size")->text();
        click(dialog, QDialogButtonBox::Cancel);
    });
    QCOMPARE(reopened, QStringLiteral("20"));
}

void FontDialogTest::sizeLimits_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("7") << "7" << false;
    QTest::newRow("8") << "8" << true;
    QTest::newRow("32") << "32" << true;
    QTest::newRow("33") << "33" << false;
    QTest::newRow("none") << "" << false;
}

void FontDialogTest::sizeLimits()
{
    QFETCH(QString, size);
    QFETCH(bool, accepted);
    FontDialog dialog(ownFont());
    bool stayedOpen = false;
    bool messageShown = false;
    const bool confirmed = runDialog(dialog, [&] {
        typeSize(dialog, size);
        click(dialog, QDialogButtonBox::Ok);
        stayedOpen = dialog.isVisible();
        messageShown = part<QLabel>(dialog, "sizeMessage")->isVisible();
        if (stayedOpen)
            click(dialog, QDialogButtonBox::Cancel);
    });
    QCOMPARE(confirmed, accepted);
    QCOMPARE(stayedOpen, !accepted);
    QCOMPARE(messageShown, !accepted);
    QCOMPARE(dialog.dialogFont().halfPoints, accepted ? size.toInt() * 2 : 16);
    if (!accepted)
        QCOMPARE(part<QLabel>(dialog, "sizeMessage")->text(),
                 QStringLiteral("Size must be between 8 and 32 points."));
}

void FontDialogTest::applyErrorKeepsTheDialogOpen()
{
    FontDialog dialog(ownFont());
    dialog.setApplyHandler([] { throw Exception(QStringLiteral("The notes cannot take this font")); });
    bool stayedOpen = false;
    runDialog(dialog, [&] {
        click(dialog, QDialogButtonBox::Apply);
        stayedOpen = dialog.isVisible();
        click(dialog, QDialogButtonBox::Cancel);
    });
    QVERIFY(stayedOpen);
    QCOMPARE(recordedDialogs().errors(), QStringList{QStringLiteral("The notes cannot take this font.")});
}

void FontDialogTest::opensBesideItsWindowThenWhereLeft()
{
    QWidget window;
    window.setGeometry(20, 20, 200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    FontDialog dialog(ownFont(), &window);
    QRect first;
    runDialog(dialog, [&] {
        first = dialog.frameGeometry();
        dialog.move(300, 250); // where the user drags it
        click(dialog, QDialogButtonBox::Cancel);
    });
    QVERIFY(!first.intersects(window.frameGeometry()));

    window.move(20, 300);
    QPoint second;
    runDialog(dialog, [&] {
        second = dialog.pos();
        click(dialog, QDialogButtonBox::Cancel);
    });
    QCOMPARE(second, QPoint(300, 250));
}

// The dialog fills its lists when it is first opened: from then on they hold
// every scalable face and the fixed choices, each once.
void FontDialogTest::listsAreWholeEveryTimeItOpens()
{
    QStringList faces;
    for (const QString &family : QFontDatabase::families())
        if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family))
            faces << family;
    QVERIFY(faces.contains(QStringLiteral("DejaVu Serif")));
    FontDialog dialog(ownFont());
    for (int opening = 1; opening <= 2; ++opening) {
        QStringList shownFaces, styles, sizes, colours;
        runDialog(dialog, [&] {
            shownFaces = texts(part<QListWidget>(dialog, "face"));
            styles = texts(part<QListWidget>(dialog, "style"));
            for (const QListWidget *list : dialog.findChildren<QListWidget *>())
                if (list->objectName().isEmpty())
                    sizes = texts(list);
            const QComboBox *colour = part<QComboBox>(dialog, "colour");
            for (int row = 0; row < colour->count(); ++row)
                colours << colour->itemText(row);
            click(dialog, QDialogButtonBox::Cancel);
        });
        QCOMPARE(shownFaces, faces);
        QCOMPARE(styles, (QStringList{"Regular", "Italic", "Bold", "Bold Italic"}));
        QCOMPARE(sizes.join(QLatin1Char(' ')), QStringLiteral("8 9 10 11 12 14 16 18 20 22 24 26 28"));
        QCOMPARE(colours.join(QLatin1Char(' ')),
                 QStringLiteral("Black Maroon Green Olive Navy Purple Teal Gray Silver Red Lime Yellow Blue "
                                "Fuchsia Aqua White"));
    }
}

DAVOVO_TEST(FontDialogTest);

#include "fontdialogtest.moc"
