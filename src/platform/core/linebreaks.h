#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// CR, LF and CR LF each end one line (LF CR ends two). The text with every
// line end replaced by `lineBreak`; a text without line ends comes back as
// it is.
[[nodiscard]] QString withLineBreaks(const QString &text, QStringView lineBreak);
[[nodiscard]] QByteArray withLineBreaks(QByteArrayView bytes, QByteArrayView lineBreak);
