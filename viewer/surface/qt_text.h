#pragma once

#include <QString>
#include <QStringDecoder>
#include <string>

// Text for Qt from the viewer's byte strings: UTF-8 when the bytes are valid
// UTF-8, else Latin-1 (cruise files written by older tools), so no byte is lost
// to a replacement character.
inline QString to_qstring(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString out = utf8(QByteArrayView(text.data(), qsizetype(text.size())));
    if (utf8.hasError()) return QString::fromLatin1(text.data(), qsizetype(text.size()));
    return out;
}
