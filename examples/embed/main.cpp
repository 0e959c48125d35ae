// A client program embedding the media-conference module: it creates the
// facade once and drives it only through the business library's signals.
// Here an incoming voice call arrives; the program ends with success once the
// incoming-call window is on screen.

#include "business/KP_BusinessView.h"
#include "facade/KP_MediaConfUI.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

QWidget* shownWindow(const char* className)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && qstrcmp(window->metaObject()->className(), className) == 0)
            return window;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);

    // The ring tones and the layout file belong beside the program.
    const QString appDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    for (const char* file : { "Ring.wav", "RingBack.wav", "layout" }) {
        if (!QFile::exists(appDir + QLatin1String(file))) {
            out << "embed: " << file << " is missing in " << appDir << '\n';
            return 2;
        }
    }

    // The business library lives as long as the process; the facade is made once.
    KP_MediaConfUI mediaUi;

    Agent_VoIPComingInfo call;
    call.callType = VOIP_CALL_VOICE;
    call.callId = QStringLiteral("embed-1");
    call.callerAccount = QStringLiteral("alice");
    call.callerName = QStringLiteral("Alice");
    emit KP_BusinessView::instance()->getVoipView()->sig_CallIncoming(call);

    int result = 1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (QWidget* window = shownWindow("VoipCallIncoming")) {
            out << "embed: incoming call shown, " << window->width() << 'x' << window->height() << '\n';
            result = 0;
            app.quit();
        }
    });
    poll.start(20);
    QTimer::singleShot(10000, &app, [&] {
        out << "embed: no incoming-call window within 10 s\n";
        app.quit();
    });
    app.exec();
    return result;
}
