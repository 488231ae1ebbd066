// Start-up helpers and the log handler: the line format, the levels, the file per start.
#include "main/logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

class TestLogging : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        logFilePath = QDir::toNativeSeparators(dir.path() + "/" + QTest::currentTestFunction() + ".log");
        QFile::remove(logFilePath);
        previous = qInstallMessageHandler(logMessageHandler);
    }

    void cleanup()
    {
        qInstallMessageHandler(previous);
    }

    void criticalLineFormat()
    {
        const QDateTime before = QDateTime::currentDateTime();
        qCritical("InitTAVRINResource: failed");
        const QDateTime after = QDateTime::currentDateTime();
        qInstallMessageHandler(previous);

        const QByteArray content = readLog();
        static const QRegularExpression re(
            "^(\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d)\tCritical\t InitTAVRINResource: failed\r\n$");
        const auto m = re.match(QString::fromUtf8(content));
        QVERIFY2(m.hasMatch(), content.constData());
        const QDateTime stamp = QDateTime::fromString(m.captured(1), "yyyy/MM/dd hh:mm:ss");
        QVERIFY(stamp.isValid());
        QVERIFY(stamp >= before.addMSecs(-before.time().msec()));
        QVERIFY(stamp <= after);
    }

    void levelTexts()
    {
        qDebug("d %d", 1);
        qInfo("i");
        qCritical("c");
        qInstallMessageHandler(previous);
        const QList<QByteArray> lines = readLog().split('\n');
        QCOMPARE(lines.size(), 4); // three lines and the empty rest after the last line end
        QVERIFY(lines[0].endsWith("\tDebug\t d 1\r"));
        QVERIFY(lines[1].endsWith("\tInfo\t i\r"));
        QVERIFY(lines[2].endsWith("\tCritical\t c\r"));
        QVERIFY(lines[3].isEmpty());
    }

    void warningCreatesFileWithoutLine()
    {
        QVERIFY(!QFile::exists(logFilePath));
        qWarning("not written");
        qInstallMessageHandler(previous);
        QVERIFY(QFile::exists(logFilePath));
        QCOMPARE(readLog().size(), 0);
    }

    void nonAsciiMessageSurvives()
    {
        qCritical("%s", "Polaris \xc3\xa9t\xc3\xa9");
        qInstallMessageHandler(previous);
        QVERIFY(QString::fromUtf8(readLog()).contains(QString::fromUtf8("Polaris \xc3\xa9t\xc3\xa9")));
    }

    void twoStartsInOneSecondShareTheFile()
    {
        const QDateTime start(QDate(2026, 12, 5), QTime(18, 0, 0));
        const QString first = logFileNameFor(dir.path(), start);
        const QString second = logFileNameFor(dir.path(), start.addMSecs(900));
        QCOMPARE(first, second);
        QCOMPARE(QFileInfo(first).fileName(), QString("2026-12-05.18-00-00.log"));

        logFilePath = first;
        qCritical("first run");
        qCritical("second run");
        qInstallMessageHandler(previous);
        const QByteArray content = readLog();
        QCOMPARE(content.count('\n'), 2);
        QVERIFY(content.indexOf("first run") < content.indexOf("second run"));
    }

    void unwritableLogDropsMessages()
    {
        logFilePath = dir.path() + "/missing/folder/x.log";
        qCritical("dropped");
        qInstallMessageHandler(previous);
        QVERIFY(!QFile::exists(logFilePath));
    }

    void logFolderCreated()
    {
        const QString docs = dir.path() + "/docs";
        const QString folder = prepareLogFolder(docs);
        QCOMPARE(folder, QDir::toNativeSeparators(docs + "/Orvanta/Log"));
        QVERIFY(QDir(folder).exists());
        QCOMPARE(prepareLogFolder(docs), folder); // idempotent
    }

    void fatalEndsProcess()
    {
        qInstallMessageHandler(previous);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString path = dir.path() + "/fatal.log";
        env.insert("ORVANTA_TEST_FATAL_LOG", path);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(20000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(content.contains("\tFatal\t the end\r\n"), content.constData());
        QVERIFY(!content.contains("after"));
    }

    void fontScaleTable_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("expected");
        QTest::newRow("96 dpi unchanged") << 96.0 << 9 << 9;
        QTest::newRow("105 dpi just below 1.1") << 105.0 << 9 << 9;
        QTest::newRow("1.1 exactly") << 96.0 * 1.1 << 8 << 10;
        QTest::newRow("120 dpi") << 120.0 << 9 << 11;
        QTest::newRow("144 dpi") << 144.0 << 9 << 13;
        QTest::newRow("168 dpi") << 168.0 << 9 << 15;
        QTest::newRow("192 dpi") << 192.0 << 9 << 18;
        QTest::newRow("288 dpi") << 288.0 << 9 << 18;
    }

    void fontScaleTable()
    {
        QFETCH(double, dpi);
        QFETCH(int, points);
        QFETCH(int, expected);
        QCOMPARE(scaledPointSize(points, static_cast<float>(dpi / 96.0)), expected);
    }

    void ratioIsSinglePrecision()
    {
        // 1.1 in float is just above the double 1.1, so it already takes the 1.25 row;
        // 1.8 in float is just below the double 1.8, so it still takes the 1.75 row.
        QCOMPARE(fontScaleForRatio(1.1f), 1.25);
        QCOMPARE(fontScaleForRatio(1.0999f), 1.0);
        QCOMPARE(fontScaleForRatio(1.8f), 1.75);
        QCOMPARE(fontScaleForRatio(1.8001f), 2.0);
    }

private:
    QByteArray readLog() const
    {
        QFile file(logFilePath);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        return file.readAll();
    }

    QTemporaryDir dir;
    QtMessageHandler previous = nullptr;
};

int main(int argc, char *argv[])
{
    const QByteArray fatalLog = qgetenv("ORVANTA_TEST_FATAL_LOG");
    if (!fatalLog.isEmpty()) {
        // Child run of fatalEndsProcess: log a fatal message and never get past it.
        logFilePath = QString::fromLocal8Bit(fatalLog);
        qInstallMessageHandler(logMessageHandler);
        qFatal("the end");
        qCritical("after");
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestLogging test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_logging.moc"
