#include "about/aboutbox.h"

#include "about/aboutlabel.h"
#include "about/aboutlayout.h"
#include "platform/gui/windowfont.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr Qt::WindowFlags dialogBorder = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QFont titleFont(int pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPointSize(pointSize);
    return font;
}

QFont boldWindowFont()
{
    QFont font = windowFont();
    font.setBold(true);
    return font;
}

} // namespace

AboutBox::AboutBox(const AboutContent &content, const QMargins &frame, QWidget *parent)
    : QDialog(parent, dialogBorder), frame_(frame)
{
    setWindowTitle(content.caption);
    setFont(windowFont());

    // Made first, so they come first in the tab order.
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *second = new QPushButton(this);
    second->setObjectName(QStringLiteral("second"));
    second->hide();

    addPicture(content.picture);
    AboutLabel *title = addLabel(content.texts.title, titleFont(content.titlePointSize), "title");
    title->setSunken(true);
    AboutLabel *version = addLabel(content.texts.version, boldWindowFont(), "version");
    AboutLabel *description = addLabel(content.texts.description, windowFont(), "description");
    AboutLabel *copyright = addLabel(content.texts.copyright, windowFont(), "copyright");
    AboutLabel *captions = addLabel(content.system.captions, windowFont(), "captions");
    AboutLabel *values = addLabel(content.system.values, windowFont(), "values");
    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    const int clientWidth = AboutGeometry::outerWidth - frame.left() - frame.right();
    const int column = aboutColumnWidth(clientWidth);
    const int system = AboutGeometry::systemColumnWidth;
    const AboutLayout layout = layOutAboutBox(
        clientWidth,
        {title->heightForWidth(column), version->heightForWidth(column), description->heightForWidth(column),
         copyright->heightForWidth(column), captions->heightForWidth(system), values->heightForWidth(system)},
        content.emailGiven);
    const std::pair<QWidget *, QRect> placed[] = {{title, layout.title},
                                                  {version, layout.version},
                                                  {description, layout.description},
                                                  {copyright, layout.copyright},
                                                  {captions, layout.captions},
                                                  {values, layout.values},
                                                  {separator, layout.separator},
                                                  {ok, layout.ok},
                                                  {second, layout.second}};
    for (const auto &[widget, rect] : placed)
        widget->setGeometry(rect);
    setFixedSize(clientWidth, layout.clientHeight);
    ok->setFocus();
}

void AboutBox::addPicture(const QImage &picture)
{
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("picture"));
    label->setGeometry(AboutGeometry::picture);
    label->setPixmap(QPixmap::fromImage(
        picture.scaled(AboutGeometry::picture.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

AboutLabel *AboutBox::addLabel(const QString &text, const QFont &font, const char *name)
{
    auto *label = new AboutLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    // A label without text is not placed at all.
    label->setVisible(!text.isEmpty());
    return label;
}
