// Helpers shared by the test programs.
#ifndef ORVANTA_TESTSUPPORT_H
#define ORVANTA_TESTSUPPORT_H

#include <QAbstractButton>
#include <QApplication>
#include <QLineF>
#include <QMessageBox>
#include <QPointF>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <vector>

inline QString settingsPath() // beside the executable, where the window looks first
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Orvanta.ini");
}

inline bool near(const QPointF &a, const QPointF &b, double tolerance) { return QLineF(a, b).length() <= tolerance; }

// A 1280x960 frame of Gaussian stars (sigma 1.6, peak `peak`) on a sky of `sky`.
inline std::vector<unsigned char> starFrame(const QList<QPointF> &stars, int sky = 8, double peak = 220)
{
    std::vector<unsigned char> frame(1280 * 960, static_cast<unsigned char>(sky));
    for (const QPointF &s : stars)
        for (int y = std::max(0, int(s.y()) - 8); y <= std::min(959, int(s.y()) + 8); ++y)
            for (int x = std::max(0, int(s.x()) - 8); x <= std::min(1279, int(s.x()) + 8); ++x) {
                const double d2 = (x - s.x()) * (x - s.x()) + (y - s.y()) * (y - s.y());
                unsigned char &px = frame[std::size_t(y) * 1280 + x];
                px = static_cast<unsigned char>(std::min(255, px + int(peak * std::exp(-d2 / (2 * 1.6 * 1.6)))));
            }
    return frame;
}

// Collects the critical lines written while it lives (and with forward, passes them on).
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
    QStringList messages;

private:
    static CriticalCatcher *&current()
    {
        static CriticalCatcher *catcher = nullptr;
        return catcher;
    }
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (CriticalCatcher *catcher = current()) {
            if (type == QtCriticalMsg)
                catcher->messages.append(message);
            if (catcher->forward && catcher->previous)
                catcher->previous(type, context, message);
        }
    }
    bool forward;
    QtMessageHandler previous = nullptr;
};

// Answers every modal window that opens while it lives and keeps the texts: a box
// gets `reply` where it has that button, anything else is closed. As a guard (Fail)
// any box fails the test at once with its text; an answerer made inside takes over.
class BoxAnswerer
{
public:
    enum Mode { Answer, Fail };
    explicit BoxAnswerer(QMessageBox::StandardButton reply = QMessageBox::Ok, Mode mode = Answer) : outer(active())
    {
        active() = this;
        QObject::connect(&poll, &QTimer::timeout, [this, reply, mode] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || active() != this)
                return;
            auto *box = qobject_cast<QMessageBox *>(modal);
            seen << (box ? box->text() : modal->windowTitle());
            seenTitles << modal->windowTitle();
            if (mode == Fail)
                QTest::qFail(qPrintable(QStringLiteral("unexpected box: ") + seen.last()), __FILE__, __LINE__);
            QAbstractButton *button = box && reply != QMessageBox::NoButton ? box->button(reply) : nullptr;
            if (button)
                button->click();
            else
                modal->close();
        });
        poll.start(10);
    }
    explicit BoxAnswerer(Mode mode) : BoxAnswerer(QMessageBox::NoButton, mode) {}
    ~BoxAnswerer() { active() = outer; }
    QStringList texts() const { return seen; }
    QStringList titles() const { return seenTitles; }

private:
    static BoxAnswerer *&active()
    {
        static BoxAnswerer *innermost = nullptr;
        return innermost;
    }
    BoxAnswerer *outer;
    QStringList seen, seenTitles;
    QTimer poll;
};

#endif
