// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about.h"

#include "AboutAddresses.h"
#include "dialogs/help.h"
#include "settings/FitCaptions.h"
#include "settings/Persist.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

LazyWindow<TAboutBox> AboutBox;

namespace {

QLineEdit* InfoLine(const QString& text, QRect rect, QWidget* parent)
{
    auto* line = new QLineEdit(text, parent);
    line->setGeometry(rect);
    line->setReadOnly(true);
    line->setFrame(false);
    line->setFocusPolicy(Qt::NoFocus);
    line->setAlignment(Qt::AlignHCenter);
    // A screen reader names a read-only line by its text.
    line->setAccessibleName(text);
    line->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    return line;
}

// The program's icon, or a green tile with a G when the application has none.
QPixmap ProgramPicture()
{
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        return icon.pixmap(32, 32);
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x56, 0x9C, 0x56));
    painter.setPen(QPen(QColor(0x2E, 0x5E, 0x2E), 2));
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    QFont letter(QStringLiteral("Arial"));
    letter.setPixelSize(18);
    letter.setBold(true);
    painter.setFont(letter);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("G"));
    return picture;
}

}  // namespace

LinkField::LinkField(const QString& address, QWidget* parent) : QLineEdit(address, parent)
{
    setReadOnly(true);
    setFrame(false);
    setCursor(Qt::PointingHandCursor);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(12);
    font.setUnderline(true);
    setFont(font);
    setStyleSheet(QStringLiteral("QLineEdit { color: blue; background: transparent; }"));
    // Show the start of an address too long for the field.
    setCursorPosition(0);
}

void LinkField::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void OpenMailLink(QObject* sender)
{
    const auto* field = qobject_cast<const QLineEdit*>(sender);
    if (field == nullptr || field->text().isEmpty())
        return;
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + field->text() + QStringLiteral("?subject=") +
                                   TAboutBox::tr("Glimmerquake Support Request")));
}

void OpenLink(QObject* sender)
{
    const auto* field = qobject_cast<const QLineEdit*>(sender);
    if (field == nullptr || field->text().isEmpty())
        return;
    QDesktopServices::openUrl(QUrl(field->text()));
}

TAboutBox::TAboutBox(QWidget* parent)
    : TAboutBox(QString::fromUtf8(BuildSupportMailAddress), QString::fromUtf8(BuildHomePageAddress), parent)
{
}

TAboutBox::TAboutBox(const QString& supportMailAddress, const QString& homePageAddress, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Glimmerquake"));
    QFont text(QStringLiteral("Arial"));
    text.setPixelSize(12);
    setFont(text);
    setFixedSize(372, 225);
    SetWindowHelpContext(this, 70);

    auto* panel = new QFrame(this);
    panel->setGeometry(8, 8, 357, 181);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* icon = new QLabel(panel);
    icon->setGeometry(162, 6, 33, 32);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(ProgramPicture());
    InfoLine(QStringLiteral("Glimmerquake"), QRect(86, 43, 240, 14), panel);
    //: The version and the date it was released.
    InfoLine(tr("v1.0.8, 1 January 2007"), QRect(118, 63, 171, 14), panel);
    InfoLine(tr("Made with care for lovers of words."), QRect(89, 84, 237, 14), panel);

    auto* mailLabel = new QLabel(tr("&Email support:"), panel);
    mailLabel->setGeometry(8, 139, 84, 14);
    MailSupportLink = new LinkField(supportMailAddress, panel);
    MailSupportLink->setObjectName(QStringLiteral("MailSupportLink"));
    MailSupportLink->setGeometry(92, 139, 258, 14);
    MailSupportLink->setToolTip(tr("Send an email to Glimmerquake support"));
    mailLabel->setBuddy(MailSupportLink);
    auto* homeLabel = new QLabel(tr("Home &page:"), panel);
    homeLabel->setGeometry(8, 158, 84, 14);
    HomePageLink = new LinkField(homePageAddress, panel);
    HomePageLink->setObjectName(QStringLiteral("HomePageLink"));
    HomePageLink->setGeometry(92, 158, 258, 20);
    HomePageLink->setToolTip(tr("View the Glimmerquake web page"));
    homeLabel->setBuddy(HomePageLink);
    // Without an address there is nothing to offer: the line is left out.
    if (supportMailAddress.isEmpty()) {
        mailLabel->hide();
        MailSupportLink->hide();
    }
    if (homePageAddress.isEmpty()) {
        homeLabel->hide();
        HomePageLink->hide();
    }

    OKButton = new QPushButton(tr("&OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(142, 194, 88, 26);
    QFont buttonFont(QStringLiteral("Arial"));
    buttonFont.setPixelSize(15);
    OKButton->setFont(buttonFont);
    OKButton->setDefault(true);
    OKButton->setFocus();

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(MailSupportLink, &LinkField::clicked, this, [this] { OpenMailLink(MailSupportLink); });
    // Connected only now that the text is set, so that setting it opened nothing.
    connect(MailSupportLink, &QLineEdit::textChanged, this, [this] { OpenMailLink(MailSupportLink); });
    connect(HomePageLink, &LinkField::clicked, this, [this] { OpenLink(HomePageLink); });

    Persist(false).windowPlacement(this, nullptr);
    // Translated captions longer than the designed boxes.
    FitCaptions(*this);
}

TAboutBox::~TAboutBox()
{
    Persist(true).windowPlacement(this, nullptr);
}
