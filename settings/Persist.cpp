// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Persist.h"

#include "platform/UserRegistry.h"
#include "settings/OnScreen.h"
#include "settings/SettingsError.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

void ReportWrongType(const QString& name, RegistryValueType found)
{
    ReportSettingsError((found == RegistryValueType::String
                             ? QCoreApplication::translate("Settings",
                                                           "The setting \"%1\" holds text of the wrong kind, so it was "
                                                           "ignored and its default is used.")
                             : QCoreApplication::translate("Settings",
                                                           "The setting \"%1\" holds a number of the wrong kind, so it "
                                                           "was ignored and its default is used."))
                            .arg(name));
}

// Set on a window once it has been on screen.
constexpr char shownProperty[] = "glimPlacementShown";

// Marks its window the first time it is shown, then goes away.
class FirstShowWatch : public QObject {
public:
    explicit FirstShowWatch(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->setProperty(shownProperty, true);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

std::int64_t ParseLeadingNumber(const QString& text)
{
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i].unicode() - u'0';
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    return negative ? -value : value;
}

int ParsePlacementNumber(const QString& text)
{
    return static_cast<int>(std::clamp<std::int64_t>(ParseLeadingNumber(text), std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

namespace {

QString KeyPath(const QString& subkey)
{
    const QString root = QString::fromLatin1(SettingsKey);
    return subkey.isEmpty() ? root : root + u'\\' + subkey;
}

}  // namespace

Persist::Persist(bool forWriting, const QString& subkey)
    : forWriting(forWriting),
      key(forWriting ? RegistryKey::Create(KeyPath(subkey)) : RegistryKey::Open(KeyPath(subkey)))
{
}

Persist::~Persist()
{
    Save();
}

bool Persist::Save()
{
    if (!key || written.isEmpty())
        return true;
    const QStringList values = std::exchange(written, {});
    if (key->Flush())
        return true;
    const QString file = UserRegistry::FilePath();
    ReportRefusedSave(what.isEmpty()
                          ? QCoreApplication::translate("Settings",
                                                        "The settings could not be saved to \"%1\"; "
                                                        "these values are lost: %2.")
                                .arg(file, values.join(QStringLiteral(", ")))
                          : QCoreApplication::translate("Settings",
                                                        "Not saved: %1. The settings file \"%2\" cannot be written, "
                                                        "so this is lost when the game closes. Check that the file "
                                                        "and its folder may be written to.")
                                .arg(what, file));
    return false;
}

bool Persist::readString(const QString& name, QString& out) const
{
    if (!key)
        return false;
    const RegistryValueType type = key->Type(name);
    if (type == RegistryValueType::Absent)
        return false;
    if (type != RegistryValueType::String) {
        ReportWrongType(name, type);
        return false;
    }
    out = key->String(name);
    return true;
}

bool Persist::readInteger(const QString& name, int& out) const
{
    if (!key)
        return false;
    const RegistryValueType type = key->Type(name);
    if (type == RegistryValueType::Absent)
        return false;
    if (type != RegistryValueType::Integer) {
        ReportWrongType(name, type);
        return false;
    }
    out = key->Integer(name);
    return true;
}

QStringList Persist::stringValueNames() const
{
    return key ? key->ValueNames(RegistryValueType::String) : QStringList();
}

bool Persist::readBool(const QString& name, bool& out) const
{
    int value = 0;
    if (!readInteger(name, value))
        return false;
    out = value != 0;
    return true;
}

void Persist::writeString(const QString& name, const QString& value)
{
    if (!forWriting || !key)
        return;
    key->SetString(name, value);
    written += name;
}

void Persist::writeInteger(const QString& name, int value)
{
    if (!forWriting || !key)
        return;
    key->SetInteger(name, value);
    written += name;
}

void Persist::writeBool(const QString& name, bool value)
{
    writeInteger(name, value ? 1 : 0);
}

void Persist::windowPlacement(QWidget* form, WindowState* state)
{
    if (forWriting)
        WritePlacement(form, state);
    else
        ReadPlacement(form, state);
}

void Persist::ReadPlacement(QWidget* form, WindowState* state) const
{
    if (!form->property(shownProperty).isValid()) {
        form->setProperty(shownProperty, form->isVisible());
        new FirstShowWatch(form);
    }
    const QString prefix = form->objectName();
    QString left;
    QString top;
    // A window maximized before it was ever moved (a desktop may never say where a window is) has
    // no position stored, and still opens maximized.
    if (readString(prefix + QStringLiteral("Left"), left) && readString(prefix + QStringLiteral("Top"), top)) {
        // move() marks the position as chosen, so Qt does not centre the window again when shown.
        form->move(ParsePlacementNumber(left), ParsePlacementNumber(top));
        form->setAttribute(Qt::WA_Moved);
        QString width;
        QString height;
        if (state && readString(prefix + QStringLiteral("Width"), width) &&
            readString(prefix + QStringLiteral("Height"), height))
            form->resize(ParsePlacementNumber(width), ParsePlacementNumber(height));
        KeepOnScreen(*form);
    }
    if (!state)
        return;
    QString maximized;
    const bool isMaximized =
        readString(prefix + QStringLiteral("Maximized"), maximized) && ParsePlacementNumber(maximized) == 1;
    *state = isMaximized ? WindowState::Maximized : WindowState::Normal;
}

void Persist::WritePlacement(const QWidget* form, const WindowState* state)
{
    if (!form->isVisible() && !form->property(shownProperty).toBool())
        return;
    const QString prefix = form->objectName();
    if (!state || *state == WindowState::Normal) {
        writeString(prefix + QStringLiteral("Left"), QString::number(form->x()));
        writeString(prefix + QStringLiteral("Top"), QString::number(form->y()));
        if (state) {
            writeString(prefix + QStringLiteral("Width"), QString::number(form->width()));
            writeString(prefix + QStringLiteral("Height"), QString::number(form->height()));
        }
    }
    if (state)
        writeString(prefix + QStringLiteral("Maximized"),
                    *state == WindowState::Maximized ? QStringLiteral("1") : QStringLiteral("0"));
}
