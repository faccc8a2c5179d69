#include "app/help_window.h"

#include "lang/lang_util.h"

#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace app {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto makeButton = [this, buttons](const char* name) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        buttons->addWidget(button);
        return button;
    };
    BackButton = makeButton("BackButton");
    ForwardButton = makeButton("ForwardButton");
    ContentsButton = makeButton("ContentsButton");
    buttons->addStretch();

    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpBrowser"));
    Browser->setOpenLinks(true);
    Browser->setOpenExternalLinks(true);  // web links go to the desktop browser
    layout->addWidget(Browser);

    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);
    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QWidget::setEnabled);
    connect(ContentsButton, &QToolButton::clicked, this,
            [this] { Browser->setSource(QUrl::fromLocalFile(m_folder + QStringLiteral("index.html"))); });
    resize(760, 600);
}

// The language may change between two topics.
void THelpWindow::Translate() {
    setWindowTitle(lang::Translate(QStringLiteral("Справка")));
    BackButton->setText(lang::Translate(QStringLiteral("Назад")));
    ForwardButton->setText(lang::Translate(QStringLiteral("Вперёд")));
    ContentsButton->setText(lang::Translate(QStringLiteral("Содержание")));
}

void THelpWindow::ShowTopic(const QString& Folder, const QString& Topic) {
    Translate();
    m_folder = Folder;
    Browser->setSearchPaths({Folder});
    Browser->setSource(QUrl::fromLocalFile(Folder + Topic));
    show();
    raise();
    activateWindow();
}

QString THelpWindow::CurrentFile() const { return Browser->source().toLocalFile(); }

}  // namespace app
