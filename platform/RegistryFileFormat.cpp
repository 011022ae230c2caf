// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegistryFileFormat.h"

#include <QIODevice>
#include <QMap>
#include <QStringList>

namespace {

const QString fileHeader = QStringLiteral("; Glimmerquake per-user settings");
const QChar reservedMark = QChar(0x01);
const QString dwordPrefix = QStringLiteral("dword:");

bool NeedsEscape(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'%' || u == u'/' || u == u'\\' || u == u'@' || u < 0x20 || u == 0x7F;
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

QString Quote(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            out += c;
        }
    }
    out += u'"';
    return out;
}

// Parses a quoted string starting at `pos` (which holds the opening quote); on success leaves
// `pos` just past the closing quote.
bool Unquote(const QString& line, qsizetype& pos, QString& out)
{
    if (pos >= line.size() || line[pos] != u'"')
        return false;
    out.clear();
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            pos = i + 1;
            return true;
        }
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++i >= line.size())
            return false;
        switch (line[i].unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u'"':
            out += u'"';
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u't':
            out += u'\t';
            break;
        default:
            return false;
        }
    }
    return false;
}

bool ParseDword(const QString& text, int& value)
{
    if (!text.startsWith(dwordPrefix))
        return false;
    const QString digits = text.mid(dwordPrefix.size());
    if (digits.isEmpty() || digits.size() > 8)
        return false;
    quint32 number = 0;
    for (const QChar c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return false;
        number = number * 16 + static_cast<quint32>(digit);
    }
    value = static_cast<int>(number);
    return true;
}

// Parses `"name"="text"`, `"name"=dword:hex` or the same with `@` for the default value.
bool ParseValueLine(const QString& line, QString& name, QVariant& value)
{
    qsizetype pos = 0;
    if (line.startsWith(u'@')) {
        name.clear();
        pos = 1;
    } else if (!Unquote(line, pos, name) || name.isEmpty()) {
        return false;
    }
    if (pos >= line.size() || line[pos] != u'=')
        return false;
    ++pos;
    if (pos < line.size() && line[pos] == u'"') {
        QString text;
        if (!Unquote(line, pos, text) || pos != line.size())
            return false;
        value = text;
        return true;
    }
    int number = 0;
    if (!ParseDword(line.mid(pos), number))
        return false;
    value = number;
    return true;
}

QString SectionLine(const QString& group)
{
    QStringList parts = group.split(u'/', Qt::SkipEmptyParts);
    for (QString& part : parts)
        part = DecodeRegistryName(part);
    return QStringLiteral("[\\") + parts.join(u'\\') + u']';
}

}  // namespace

QString EncodeRegistryName(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (NeedsEscape(c))
            out += u'%' + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

QString DecodeRegistryName(const QString& encoded)
{
    QString out;
    out.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == u'%' && i + 2 < encoded.size()) {
            const int high = HexDigit(encoded[i + 1]);
            const int low = HexDigit(encoded[i + 2]);
            if (high >= 0 && low >= 0) {
                out += QChar(static_cast<char16_t>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        out += encoded[i];
    }
    return out;
}

QString RegistryGroup(const QString& keyPath)
{
    QStringList parts = keyPath.split(u'\\', Qt::SkipEmptyParts);
    for (QString& part : parts)
        part = EncodeRegistryName(part);
    return parts.join(u'/');
}

QString RegistryValueKey(const QString& keyPath, const QString& valueName)
{
    const QString group = RegistryGroup(keyPath);
    const QString name = valueName.isEmpty() ? QStringLiteral("@") : EncodeRegistryName(valueName);
    return group.isEmpty() ? name : group + u'/' + name;
}

bool ReadRegistryFile(QIODevice& device, QSettings::SettingsMap& map)
{
    const QString text = QString::fromUtf8(device.readAll());
    const QStringList lines = text.split(u'\n');
    QString group;
    bool inSection = false;
    int unparsedCount = 0;
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed == fileHeader)
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            group = RegistryGroup(trimmed.mid(1, trimmed.size() - 2));
            inSection = true;
            continue;
        }
        QString name;
        QVariant value;
        if (inSection && ParseValueLine(trimmed, name, value)) {
            const QString encoded = name.isEmpty() ? QStringLiteral("@") : EncodeRegistryName(name);
            map.insert(group.isEmpty() ? encoded : group + u'/' + encoded, value);
            continue;
        }
        const QString reserved = reservedMark + QString::number(++unparsedCount).rightJustified(6, u'0');
        map.insert(group.isEmpty() ? reserved : group + u'/' + reserved, line);
    }
    return true;
}

bool WriteRegistryFile(QIODevice& device, const QSettings::SettingsMap& map)
{
    QMap<QString, QStringList> sections;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const QString& key = it.key();
        const qsizetype slash = key.lastIndexOf(u'/');
        const QString group = slash < 0 ? QString() : key.left(slash);
        const QString name = key.mid(slash + 1);
        const QVariant& value = it.value();
        if (name.startsWith(reservedMark)) {
            sections[group] += value.toString();
            continue;
        }
        const QString nameText = name == QStringLiteral("@") ? name : Quote(DecodeRegistryName(name));
        if (value.typeId() == QMetaType::QString) {
            sections[group] += nameText + u'=' + Quote(value.toString());
        } else if (value.typeId() == QMetaType::Int) {
            const quint32 number = static_cast<quint32>(value.toInt());
            sections[group] += nameText + u'=' + dwordPrefix + QString::number(number, 16).rightJustified(8, u'0');
        }
    }
    QString text = fileHeader + u'\n';
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it) {
        // Only kept lines that stood before any section live at the root; they go back there.
        if (!it.key().isEmpty())
            text += u'\n' + SectionLine(it.key()) + u'\n';
        for (const QString& line : it.value())
            text += line + u'\n';
    }
    const QByteArray bytes = text.toUtf8();
    return device.write(bytes) == bytes.size();
}
