#include <QtTest>
class tst_VidyoPanels : public QObject { Q_OBJECT };
QTEST_MAIN(tst_VidyoPanels)
#include "tst_VidyoPanels.moc"
