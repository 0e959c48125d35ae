#include "util/AppEnvionmentSetting.h"
#include "util/KPFilePathMgr.h"
#include "util/KPLog.h"
#include "util/KPSettings.h"
#include "util/KP_Util.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_KpUtil : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        qputenv("KP_SETTINGS_DIR", m_dir.path().toLocal8Bit());
        for (const char* name : { "KP_HTTP_TYPE", "KP_PBS_DOMAIN", "KP_PBS_PORT", "KP_VIDEO_VIEW_BY_HANDLE" })
            qunsetenv(name);
        QFile::remove(KPSettings::settingsFile());
    }

    void durationIsHoursMinutesSeconds()
    {
        // Past 99 hours the hours grow; a clock set back shows zero.
        const QList<QPair<qint64, const char*>> durations { { 0, "00:00:00" }, { 3661, "01:01:01" },
            { 86399, "23:59:59" }, { 360000, "100:00:00" }, { -5, "00:00:00" } };
        for (const auto& d : durations)
            QCOMPARE(KP_Util::formatDuration(d.first), QLatin1String(d.second));
        // The call clock counts from a start stamp; a second boundary may pass between the reads.
        const QString elapsed = KP_Util::Time_Difference_CurDate(KP_Util::getCurrentTimeInt64() - 3661 * 1000 - 200);
        QVERIFY2(elapsed == QLatin1String("01:01:01") || elapsed == QLatin1String("01:01:02"), qPrintable(elapsed));
    }

    void reasonTextsLeaveRoomForCallerDefaults()
    {
        // The call-failure notice relies on which reasons have a text and which do not.
        for (int reason : { 175404, 175408, 175480, 175603, 814006, 107603 })
            QVERIFY2(!KP_Util::GetErrMsgByReason(reason).isEmpty(), QByteArray::number(reason));
        for (int reason : { 175500, 175604, 0, -1, 999999 })
            QVERIFY2(KP_Util::GetErrMsgByReason(reason).isEmpty(), QByteArray::number(reason));
    }

    void settingsComeFromEnvironmentThenFileThenDefault()
    {
        QCOMPARE(KPSettings::getHttpType(), QStringLiteral("https"));
        KPSettings::setValue(QStringLiteral("Web/PBSDomain"), QStringLiteral("file.example.org"));
        QCOMPARE(KPSettings::getPBSDomain(), QStringLiteral("file.example.org"));
        qputenv("KP_PBS_DOMAIN", "env.example.org");
        QCOMPARE(KPSettings::getPBSDomain(), QStringLiteral("env.example.org"));
        qunsetenv("KP_PBS_DOMAIN");
        QCOMPARE(KPSettings::getPBSDomain(), QStringLiteral("file.example.org"));
    }

    void appPathAlwaysEndsWithSlash()
    {
        qputenv("KP_APP_PATH", "/opt/client");
        QCOMPARE(KPFilePathMgr::instance()->getAppPath(), QStringLiteral("/opt/client/"));
        qputenv("KP_APP_PATH", "/opt/client/");
        QCOMPARE(KPFilePathMgr::instance()->getAppPath(), QStringLiteral("/opt/client/"));
        qunsetenv("KP_APP_PATH");
        QVERIFY(KPFilePathMgr::instance()->getAppPath().endsWith(QLatin1Char('/')));
    }

    void environmentFlagsParseCommonSpellings()
    {
        QVERIFY(AppEnvionmentSetting::instance()->getAppEnvionmentConfig().videoViewByHandle);
        qputenv("KP_VIDEO_VIEW_BY_HANDLE", "false");
        QVERIFY(!AppEnvionmentSetting::instance()->getAppEnvionmentConfig().videoViewByHandle);
        qputenv("KP_VIDEO_VIEW_BY_HANDLE", "garbage"); // unreadable values keep the default
        QVERIFY(AppEnvionmentSetting::instance()->getAppEnvionmentConfig().videoViewByHandle);
        qunsetenv("KP_VIDEO_VIEW_BY_HANDLE");
        KPSettings::setValue(QStringLiteral("Environment/VideoViewByHandle"), 0);
        QVERIFY(!AppEnvionmentSetting::instance()->getAppEnvionmentConfig().videoViewByHandle);
    }

    void logLinesGoThroughTheCategory()
    {
        QTest::ignoreMessage(QtInfoMsg, "KP_MediaConfUI info line");
        g_Log.LogInfo(QStringLiteral("KP_MediaConfUI info line"));
        QTest::ignoreMessage(QtDebugMsg, "KP_MediaConfUI debug line");
        g_Log.LogDebug(QStringLiteral("KP_MediaConfUI debug line"));
        QLoggingCategory::setFilterRules(QStringLiteral("kp.mediaconf.debug=false"));
        QVERIFY(!lcKpMediaConf().isDebugEnabled());
        QLoggingCategory::setFilterRules(QString());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_KpUtil)
#include "tst_KpUtil.moc"
