// The help viewer: a window with the list of topics on the left and the
// selected topic on the right, reading the program's help file.
//
// The help file is plain text in UTF-8.  Each topic starts with a line
//   @topic NUMBER TITLE
// followed by the topic's body in simple HTML.  Links between topics are
// written <a href="topic:NUMBER">; other links open in the browser.  Lines
// starting with "#" before the first topic are comments.  Topic 0 is the
// contents page.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

class QListWidget;
class QTextBrowser;
class QUrl;

struct THelpTopic {
    int Number = 0;
    QString Title;
    QString Body;
};

// The topics of a help file's text, in file order.
std::vector<THelpTopic> ParseHelpText(const QString& text);

class THelpViewerForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewerForm(QWidget* parent = nullptr);

    // Loads the file; false (and nothing loaded) when it cannot be read.
    bool LoadHelpFile(const QString& path);
    // Shows a topic; false when the file has no such topic (the contents
    // page is shown instead).
    bool ShowTopic(int number);
    int CurrentTopic() const { return currentTopic_; }
    const std::vector<THelpTopic>& Topics() const { return topics_; }

    // The one viewer of the program: opened (or brought to the front) on the
    // topic, above whichever window is modal at the moment so that it can be
    // read and used while that window waits.  A file that cannot be read is
    // reported in a message box.
    static void Show(const QString& helpFile, int topic);
    static THelpViewerForm* Instance();
    // Closes and frees the viewer (at the program's end).
    static void Release();

private:
    void lstTopicsClick();
    void TopicLinkClick(const QUrl& url);
    int IndexOf(int number) const;

    QListWidget* lstTopics_;
    QTextBrowser* txtTopic_;
    std::vector<THelpTopic> topics_;
    QString loadedFile_;
    int currentTopic_ = -1;

    static QPointer<THelpViewerForm> instance_;
};
