// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/help.h"

#include "platform/HelpContext.h"
#include "platform/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

// Outside any namespace, as Q_INIT_RESOURCE requires. The topics live in a static library, whose
// resource initialiser the linker would drop unless something refers to it.
static void InitHelpResources()
{
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(help_translated);
}

namespace {

// Every topic, its own link included, opens in the player's language where that topic exists.
class TopicBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override
    {
        if (name.scheme() != u"qrc" || !name.path().startsWith(u"/help/")) {
            QTextBrowser::doSetSource(name, type);
            return;
        }
        QUrl topic(THelpWindow::LocalTopic(name.fileName(), PlayerLanguages()));
        topic.setFragment(name.fragment());
        QTextBrowser::doSetSource(topic, type);
    }
};

QString TopicFile(int context)
{
    switch (context) {
    case 10:
        return QStringLiteral("newgame.html");
    case 20:
        return QStringLiteral("mainwindow.html");
    case 30:
        return QStringLiteral("options.html");
    case 40:
        return QStringLiteral("pause.html");
    case 50:
        return QStringLiteral("quit.html");
    case 70:
        return QStringLiteral("about.html");
    case 120:
        return QStringLiteral("howtoplay.html");
    case 130:
        return QStringLiteral("halloffame.html");
    case 140:
        return QStringLiteral("resume.html");
    case 150:
        return QStringLiteral("statistics.html");
    default:
        return QStringLiteral("index.html");
    }
}

}  // namespace

void SetWindowHelpContext(QWidget* window, int context)
{
    window->setProperty(HelpContextProperty, context);
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    // Closing the main window ends the program even while help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Glimmerquake Help"));
    resize(560, 480);

    Browser = new TopicBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    // Our own topics only; a web link goes to the desktop's browser.
    Browser->setOpenExternalLinks(true);
    ContentsButton = new QPushButton(tr("&Contents"), this);
    ContentsButton->setObjectName(QStringLiteral("ContentsButton"));
    BackButton = new QPushButton(tr("&Back"), this);
    BackButton->setObjectName(QStringLiteral("BackButton"));
    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    BackButton->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ContentsButton);
    buttons->addWidget(BackButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser);

    connect(ContentsButton, &QPushButton::clicked, this, [this] { Browser->setSource(QUrl(TopicFor(0))); });
    connect(BackButton, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = Browser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Glimmerquake Help") : tr("Glimmerquake Help - %1").arg(title));
    });
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

QString THelpWindow::TopicFor(int context)
{
    return LocalTopic(TopicFile(context), PlayerLanguages());
}

QString THelpWindow::LocalTopic(const QString& file, const QStringList& languages)
{
    for (const QString& language : languages) {
        if (language == u"en")
            break;
        const QString path = QStringLiteral(":/help/%1/%2").arg(language, file);
        if (QFile::exists(path))
            return QStringLiteral("qrc") + path;
    }
    return QStringLiteral("qrc:/help/") + file;
}

void THelpWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc closes it, as it closes any help viewer.
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void THelpWindow::ShowContext(int context)
{
    Browser->setSource(QUrl(TopicFor(context)));
    show();
    raise();
    activateWindow();
}

HelpService::HelpService()
{
    InitHelpResources();
    SetHelpContextHandler([this](int context) { Show(context); });
    qApp->installEventFilter(this);
}

HelpService::~HelpService()
{
    qApp->removeEventFilter(this);
    SetHelpContextHandler({});
    delete window;
}

void HelpService::Show(int context)
{
    if (!window)
        window = new THelpWindow();
    Adopt(QApplication::activeModalWidget());
    window->ShowContext(context);
}

void HelpService::Adopt(QWidget* owner)
{
    if (!window || window->parentWidget() == owner || window == owner)
        return;
    const bool shown = window->isVisible();
    const QPoint place = window->pos();
    window->setParent(owner, window->windowFlags());
    window->move(place);
    if (shown)
        window->show();
}

void HelpService::FollowModal()
{
    if (window && window->isVisible())
        Adopt(QApplication::activeModalWidget());
}

bool HelpService::eventFilter(QObject* watched, QEvent* event)
{
    if (window && (event->type() == QEvent::Show || event->type() == QEvent::Hide) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Hide && widget == window->parentWidget()) {
            // Out of the closing dialog before it can be destroyed; then into whichever still waits.
            Adopt(nullptr);
            QTimer::singleShot(0, this, &HelpService::FollowModal);
        } else if (event->type() == QEvent::Show && widget->isWindow() && widget->isModal() && widget != window &&
                   window->isVisible()) {
            // About to wait for an answer (and to block every other window).
            Adopt(widget);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* active = widget != nullptr ? widget->window() : QApplication::activeWindow();
    if (active == nullptr)
        return false;
    if (auto* box = qobject_cast<QMessageBox*>(active)) {
        if (QAbstractButton* help = box->button(QMessageBox::Help)) {
            help->click();
            return true;
        }
    }
    const QVariant context = active->property(HelpContextProperty);
    if (!context.isValid())
        return false;
    OpenHelpContext(context.toInt());
    return true;
}
