// Helpers shared by the test programs.
#ifndef ORVANTA_TESTSUPPORT_H
#define ORVANTA_TESTSUPPORT_H

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QList>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// The settings file beside the test executable, where the window looks first;
// tests remove it around each case so that no run sees another's values.
inline QString settingsPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Orvanta.ini");
}

// Collects the critical lines written while it lives, so a test can insist on the
// message it expects, or on none. With forward set, every message also goes on to
// the handler before it (QTest's), so it still shows in the test output.
class CriticalCatcher
{
public:
    explicit CriticalCatcher(bool forward = false) : forward(forward)
    {
        current() = this;
        previous = qInstallMessageHandler(handle);
    }
    ~CriticalCatcher()
    {
        qInstallMessageHandler(previous);
        current() = nullptr;
    }
    CriticalCatcher(const CriticalCatcher &) = delete;
    CriticalCatcher &operator=(const CriticalCatcher &) = delete;

    QStringList messages;

private:
    static CriticalCatcher *&current()
    {
        static CriticalCatcher *catcher = nullptr;
        return catcher;
    }

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        CriticalCatcher *catcher = current();
        if (!catcher)
            return;
        if (type == QtCriticalMsg)
            catcher->messages.append(message);
        if (catcher->forward && catcher->previous)
            catcher->previous(type, context, message);
    }

    bool forward;
    QtMessageHandler previous = nullptr;
};

// Answers every modal window that opens while it lives, so no test waits on one,
// and remembers what each said. A message box gets `reply` where it has that
// button and is rejected otherwise; any other modal window is closed.
class BoxAnswerer
{
public:
    struct Box
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        bool hasParent = false;
    };
    QList<Box> boxes;

    explicit BoxAnswerer(QMessageBox::StandardButton reply = QMessageBox::Ok)
    {
        QObject::connect(&poll, &QTimer::timeout, [this, reply] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            Box seen;
            seen.title = modal->windowTitle();
            seen.hasParent = modal->parentWidget() != nullptr;
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box) {
                boxes.append(seen);
                modal->close();
                return;
            }
            seen.icon = box->icon();
            seen.text = box->text();
            seen.buttons = box->standardButtons();
            seen.defaultButton = box->standardButton(box->defaultButton());
            boxes.append(seen);
            QAbstractButton *button = reply == QMessageBox::NoButton ? nullptr : box->button(reply);
            if (button)
                button->click();
            else
                box->reject();
        });
        poll.start(10);
    }

    QStringList titles() const
    {
        QStringList all;
        for (const Box &box : boxes)
            all << box.title;
        return all;
    }

    QStringList texts() const
    {
        QStringList all;
        for (const Box &box : boxes)
            all << box.text;
        return all;
    }

private:
    QTimer poll;
};

#endif
