#include "notes/fontdialog.h"

#include "notes/dialogplacement.h"
#include "platform/gui/errorreporting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include <array>

namespace {

struct Script {
    QFontDatabase::WritingSystem system;
    int charset;
    const char *name;
};

// The scripts Qt knows that have a Windows character set.
constexpr std::array<Script, 12> kScripts = {{
    {QFontDatabase::Latin, 0, "Western"},
    {QFontDatabase::Greek, 161, "Greek"},
    {QFontDatabase::Cyrillic, 204, "Cyrillic"},
    {QFontDatabase::Hebrew, 177, "Hebrew"},
    {QFontDatabase::Arabic, 178, "Arabic"},
    {QFontDatabase::Thai, 222, "Thai"},
    {QFontDatabase::Vietnamese, 163, "Vietnamese"},
    {QFontDatabase::Japanese, 128, "Japanese"},
    {QFontDatabase::Korean, 129, "Hangul"},
    {QFontDatabase::SimplifiedChinese, 134, "CHINESE_GB2312"},
    {QFontDatabase::TraditionalChinese, 136, "CHINESE_BIG5"},
    {QFontDatabase::Symbol, 2, "Symbol"},
}};

struct NamedColour {
    const char *name;
    QRgb rgb;
};

constexpr std::array<NamedColour, 16> kColours = {{
    {"Black", 0x000000},
    {"Maroon", 0x800000},
    {"Green", 0x008000},
    {"Olive", 0x808000},
    {"Navy", 0x000080},
    {"Purple", 0x800080},
    {"Teal", 0x008080},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0xFF0000},
    {"Lime", 0x00FF00},
    {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0x00FFFF},
    {"White", 0xFFFFFF},
}};

constexpr std::array<int, 13> kListedSizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28};

const QStringList kStyles = {QStringLiteral("Regular"), QStringLiteral("Italic"), QStringLiteral("Bold"),
                             QStringLiteral("Bold Italic")};

// Faces drawn from outlines, which scale to any size.
QStringList scalableFaces()
{
    QStringList faces;
    for (const QString &family : QFontDatabase::families())
        if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family))
            faces << family;
    return faces;
}

QListWidgetItem *findItem(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchFixedString);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

FontDialog::FontDialog(const CharFormat &initialFont, QWidget *parent) : QDialog(parent), font_(initialFont)
{
    setWindowTitle(QStringLiteral("Font"));
}

// The controls wait until the dialog is first opened: listing the faces
// reads every font the system has, and the buttons load the style's icons.
void FontDialog::buildOnce()
{
    if (faceList_ != nullptr)
        return;
    buildControls();
    layOut();
    connectControls();
}

std::optional<int> FontDialog::charsetOf(int writingSystem)
{
    for (const Script &script : kScripts)
        if (script.system == writingSystem)
            return script.charset;
    return std::nullopt;
}

void FontDialog::buildControls()
{
    faceEdit_ = new QLineEdit(this);
    faceEdit_->setReadOnly(true);
    faceList_ = new QListWidget(this);
    faceList_->addItems(scalableFaces());
    styleList_ = new QListWidget(this);
    styleList_->addItems(kStyles);
    sizeEdit_ = new QLineEdit(this);
    sizeEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), this));
    sizeList_ = new QListWidget(this);
    for (const int size : kListedSizes)
        sizeList_->addItem(QString::number(size));
    strikeOut_ = new QCheckBox(QStringLiteral("Stri&keout"), this);
    underline_ = new QCheckBox(QStringLiteral("&Underline"), this);
    colour_ = new QComboBox(this);
    for (const NamedColour &colour : kColours) {
        QPixmap swatch(16, 12);
        swatch.fill(QColor::fromRgb(colour.rgb));
        colour_->addItem(QIcon(swatch), QString::fromLatin1(colour.name), QVariant::fromValue(colour.rgb));
    }
    script_ = new QComboBox(this);
    sample_ = new QLabel(QStringLiteral("AaBbYyZz"), this);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    sizeMessage_ = new QLabel(QString::fromLatin1(kSizeRefused), this);
    sizeMessage_->setStyleSheet(QStringLiteral("color: #c00000"));
    sizeMessage_->hide();
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply,
                                    Qt::Vertical, this);

    faceList_->setObjectName(QStringLiteral("face"));
    styleList_->setObjectName(QStringLiteral("style"));
    sizeEdit_->setObjectName(QStringLiteral("size"));
    colour_->setObjectName(QStringLiteral("colour"));
    script_->setObjectName(QStringLiteral("script"));
    sample_->setObjectName(QStringLiteral("sample"));
    sizeMessage_->setObjectName(QStringLiteral("sizeMessage"));
}

void FontDialog::layOut()
{
    // A label names the control its letter leads to.
    const auto label = [this](const char *text, QWidget *buddy) {
        auto *shown = new QLabel(QString::fromLatin1(text), this);
        shown->setBuddy(buddy);
        return shown;
    };
    auto *grid = new QGridLayout;
    grid->addWidget(label("&Font:", faceList_), 0, 0);
    grid->addWidget(label("Font st&yle:", styleList_), 0, 1);
    grid->addWidget(label("&Size:", sizeEdit_), 0, 2);
    grid->addWidget(faceEdit_, 1, 0);
    grid->addWidget(sizeEdit_, 1, 2);
    grid->addWidget(faceList_, 2, 0);
    grid->addWidget(styleList_, 1, 1, 2, 1);
    grid->addWidget(sizeList_, 2, 2);
    grid->addWidget(buttons_, 0, 3, 3, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);

    auto *effects = new QGroupBox(QStringLiteral("Effects"), this);
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(strikeOut_);
    effectsLayout->addWidget(underline_);
    effectsLayout->addWidget(label("&Color:", colour_));
    effectsLayout->addWidget(colour_);
    grid->addWidget(effects, 3, 0);

    auto *sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(sample_, 1);
    sampleLayout->addWidget(label("Sc&ript:", script_));
    sampleLayout->addWidget(script_);
    grid->addWidget(sampleBox, 3, 1, 1, 2);
    grid->addWidget(sizeMessage_, 4, 0, 1, 4);
    setLayout(grid);
    faceList_->setMinimumHeight(110);
    resize(470, 330);
}

void FontDialog::connectControls()
{
    connect(faceList_, &QListWidget::currentTextChanged, this, [this](const QString &face) {
        if (face.isEmpty())
            return;
        faceEdit_->setText(face);
        fillScripts(script_->currentData().isValid() ? script_->currentData().toInt() : font_.charset);
        updateSample();
    });
    connect(styleList_, &QListWidget::currentRowChanged, this, &FontDialog::updateSample);
    connect(sizeList_, &QListWidget::currentTextChanged, this, [this](const QString &size) {
        if (!size.isEmpty() && sizeEdit_->text() != size)
            sizeEdit_->setText(size);
    });
    connect(sizeEdit_, &QLineEdit::textChanged, this, [this](const QString &size) {
        QListWidgetItem *item = findItem(sizeList_, size);
        if (item != nullptr)
            sizeList_->setCurrentItem(item);
        else
            sizeList_->setCurrentRow(-1);
        sizeMessage_->hide();
        updateSample();
    });
    for (QCheckBox *box : {strikeOut_, underline_})
        connect(box, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(colour_, &QComboBox::activated, this, [this] {
        colourChosen_ = true;
        updateSample();
    });
    connect(script_, &QComboBox::activated, this, [this] { scriptChosen_ = true; });
    connect(buttons_, &QDialogButtonBox::accepted, this, &FontDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &FontDialog::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &FontDialog::apply);
}

bool FontDialog::execute()
{
    buildOnce();
    showFont(font_);
    placeBesideWindow();
    return exec() == QDialog::Accepted;
}

// Once moved, the dialog keeps its place: the toolkit centres only a dialog
// that was never moved.
void FontDialog::placeBesideWindow()
{
    QWidget *window = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (placed_ || window == nullptr || !window->isVisible() || window->screen() == nullptr)
        return;
    placed_ = true;
    layout()->activate();
    // The dialog's frame is not known before it is shown; the window
    // manager gives it one like its window's.
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    move(besideWindow(window->screen()->availableGeometry(), frame, size().grownBy(margins)));
}

void FontDialog::showFont(const CharFormat &font)
{
    colourChosen_ = false;
    scriptChosen_ = false;
    faceList_->setCurrentItem(findItem(faceList_, font.face));
    if (faceList_->currentItem() == nullptr)
        faceList_->clearSelection();
    faceEdit_->setText(font.face);
    fillScripts(font.charset);
    styleList_->setCurrentRow((font.bold ? 2 : 0) + (font.italic ? 1 : 0));
    sizeEdit_->setText(QString::number(font.halfPoints / 2));
    sizeEdit_->setFocus();
    sizeEdit_->selectAll();
    strikeOut_->setChecked(font.strikeOut);
    underline_->setChecked(font.underline);
    int colourRow = -1;
    for (int row = 0; row < colour_->count(); ++row)
        if (font.colour && colour_->itemData(row).value<QRgb>() == (*font.colour & RGB_MASK))
            colourRow = row;
    colour_->setCurrentIndex(colourRow);
    sizeMessage_->hide();
    updateSample();
}

// The scripts the chosen face has, `charset`'s script selected where it is
// one of them.
void FontDialog::fillScripts(int charset)
{
    script_->clear();
    for (const QFontDatabase::WritingSystem system : QFontDatabase::writingSystems(chosenFace()))
        for (const Script &script : kScripts)
            if (script.system == system)
                script_->addItem(QString::fromLatin1(script.name), script.charset);
    const int row = script_->findData(charset);
    script_->setCurrentIndex(row >= 0 ? row : (script_->count() > 0 ? 0 : -1));
}

void FontDialog::updateSample()
{
    CharFormat shown;
    shown.face = chosenFace();
    shown.halfPoints = 2 * std::clamp(chosenSize().value_or(font_.halfPoints / 2), kMinSize, kMaxSize);
    shown.bold = styleList_->currentRow() >= 2;
    shown.italic = styleList_->currentRow() % 2 == 1;
    shown.underline = underline_->isChecked();
    shown.strikeOut = strikeOut_->isChecked();
    sample_->setFont(shown.font());
    QPalette colours = sample_->palette();
    if (colour_->currentIndex() >= 0)
        colours.setColor(QPalette::WindowText, QColor::fromRgb(colour_->currentData().value<QRgb>()));
    else if (font_.colour)
        colours.setColor(QPalette::WindowText, QColor::fromRgb(*font_.colour));
    sample_->setPalette(colours);
}

std::optional<int> FontDialog::chosenSize() const
{
    bool ok = false;
    const int size = sizeEdit_->text().toInt(&ok);
    if (!ok || size < kMinSize || size > kMaxSize)
        return std::nullopt;
    return size;
}

QString FontDialog::chosenFace() const
{
    return faceList_->currentItem() != nullptr ? faceList_->currentItem()->text() : faceEdit_->text();
}

bool FontDialog::take(Taking taking)
{
    const std::optional<int> size = chosenSize();
    if (!size) {
        sizeMessage_->show();
        sizeEdit_->setFocus();
        sizeEdit_->selectAll();
        return false;
    }
    CharFormat taken = font_;
    taken.face = chosenFace();
    taken.halfPoints = *size * 2;
    // The styles list has one regular and one bold weight (400 and 700).
    taken.bold = styleList_->currentRow() >= 2;
    taken.italic = styleList_->currentRow() % 2 == 1;
    taken.underline = underline_->isChecked();
    taken.strikeOut = strikeOut_->isChecked();

    const bool otherFace = taken.face.compare(font_.face, Qt::CaseInsensitive) != 0;
    const bool takeCharset = scriptChosen_ || (taking == Taking::Ok && otherFace);
    if (takeCharset && script_->currentIndex() >= 0)
        taken.charset = script_->currentData().toInt();
    const bool takeColour = taking == Taking::Apply || colourChosen_;
    if (takeColour && colour_->currentIndex() >= 0)
        taken.colour = colour_->currentData().value<QRgb>() | 0xFF000000u;
    font_ = taken;
    return true;
}

void FontDialog::accept()
{
    buildOnce();
    if (take(Taking::Ok))
        QDialog::accept();
}

void FontDialog::apply()
{
    guarded([this] {
        if (take(Taking::Apply) && applyHandler_)
            applyHandler_();
    });
}
