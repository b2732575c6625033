#include "helpviewer.h"

#include "application.h"
#include "pokercalc.h"
#include "scoring.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextStream>

QPointer<THelpViewerForm> THelpViewerForm::instance_;

QString PointTableHtml() {
    QString html = QStringLiteral("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\">\n"
                                  "<tr><th>Hand</th><th>English</th><th>American</th><th>Wild "
                                  "(&times; card total)</th></tr>\n");
    for (int category = 0; category < HandCategoryCount; ++category) {
        const auto row = static_cast<std::size_t>(category) * ScoreSystemCount;
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                    .arg(QString::fromStdString(HandNames[static_cast<std::size_t>(category)]))
                    .arg(ScoreTable[row + EnglishScoring])
                    .arg(ScoreTable[row + AmericanScoring])
                    .arg(ScoreTable[row + WildScoring]);
    }
    return html + QStringLiteral("</table>\n");
}

std::vector<THelpTopic> ParseHelpText(const QString& text) {
    std::vector<THelpTopic> topics;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.endsWith(QLatin1Char('\r')) ? raw.chopped(1) : raw;
        if (line.startsWith(QLatin1String("@topic "))) {
            const QString rest = line.mid(7).trimmed();
            const qsizetype space = rest.indexOf(QLatin1Char(' '));
            bool ok = false;
            const int number = rest.left(space < 0 ? rest.size() : space).toInt(&ok);
            if (!ok)
                continue;
            topics.push_back({number, space < 0 ? QString() : rest.mid(space + 1).trimmed(), {}});
        } else if (!topics.empty()) {
            // The point table is the program's own, never a second copy.
            topics.back().Body +=
                line == QLatin1String("@pointtable") ? PointTableHtml() : line + QLatin1Char('\n');
        }
    }
    return topics;
}

THelpViewerForm::THelpViewerForm(QWidget* parent)
    : QWidget(parent, Qt::Window), lstTopics_(new QListWidget), txtTopic_(new QTextBrowser) {
    setObjectName(QStringLiteral("HelpViewerForm"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(760, 560);
    lstTopics_->setObjectName(QStringLiteral("lstTopics"));
    txtTopic_->setObjectName(QStringLiteral("txtTopic"));
    txtTopic_->setOpenLinks(false);
    auto* splitter = new QSplitter;
    splitter->addWidget(lstTopics_);
    splitter->addWidget(txtTopic_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 560});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    connect(lstTopics_, &QListWidget::currentRowChanged, this, [this] { lstTopicsClick(); });
    connect(txtTopic_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { TopicLinkClick(url); });
}

bool THelpViewerForm::LoadHelpFile(const QString& path) {
    if (path == loadedFile_ && !topics_.empty())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    std::vector<THelpTopic> topics = ParseHelpText(in.readAll());
    if (topics.empty())
        return false;
    topics_ = std::move(topics);
    loadedFile_ = path;
    const QSignalBlocker quiet(lstTopics_);
    lstTopics_->clear();
    for (const THelpTopic& topic : topics_)
        lstTopics_->addItem(topic.Title);
    currentTopic_ = -1;
    return true;
}

int THelpViewerForm::IndexOf(int number) const {
    for (std::size_t i = 0; i < topics_.size(); ++i)
        if (topics_[i].Number == number)
            return static_cast<int>(i);
    return -1;
}

bool THelpViewerForm::ShowTopic(int number) {
    int index = IndexOf(number);
    const bool found = index >= 0;
    if (!found)
        index = std::max(IndexOf(HelpTopic::Contents), 0);
    if (topics_.empty())
        return false;
    const THelpTopic& topic = topics_[static_cast<std::size_t>(index)];
    currentTopic_ = topic.Number;
    {
        const QSignalBlocker quiet(lstTopics_);
        lstTopics_->setCurrentRow(index);
    }
    txtTopic_->setHtml(
        QStringLiteral("<h2>%1</h2>%2").arg(topic.Title.toHtmlEscaped(), topic.Body));
    setWindowTitle(QStringLiteral("%1 Help - %2").arg(ApplicationTitle(), topic.Title));
    return found;
}

void THelpViewerForm::lstTopicsClick() {
    const int row = lstTopics_->currentRow();
    if (row >= 0 && row < static_cast<int>(topics_.size()))
        ShowTopic(topics_[static_cast<std::size_t>(row)].Number);
}

void THelpViewerForm::TopicLinkClick(const QUrl& url) {
    if (url.scheme() == QLatin1String("topic"))
        ShowTopic(url.path().toInt());
    else
        OpenUrl(url);
}

void THelpViewerForm::Show(const QString& helpFile, int topic) {
    // Above the modal window of the moment, so that the modal window does not
    // block it; a top-level window otherwise.
    QWidget* owner = QApplication::activeModalWidget();
    if (instance_ && instance_->parentWidget() != owner) {
        const QRect geometry = instance_->geometry();
        instance_->setParent(owner, Qt::Window);
        instance_->setGeometry(geometry);
    }
    if (!instance_)
        instance_ = new THelpViewerForm(owner);
    if (!instance_->LoadHelpFile(helpFile)) {
        QMessageBox::information(owner, ApplicationTitle(),
                                 QStringLiteral("The help file %1 cannot be opened.\n"
                                                "Help is not available.")
                                     .arg(helpFile));
        return;
    }
    instance_->ShowTopic(topic);
    instance_->show();
    instance_->raise();
    instance_->activateWindow();
}

THelpViewerForm* THelpViewerForm::Instance() {
    return instance_;
}

void THelpViewerForm::Release() {
    delete instance_.data();
}
