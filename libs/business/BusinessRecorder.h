#pragma once

#include "business/kp_business_global.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMetaMethod>
#include <QObject>
#include <QPair>
#include <QVariant>

#include <memory>
#include <vector>

// One business signal as it reached the module: when (ms since the recording
// started; a step number for the event storm), from which view, which signal
// (its normalized signature) and its arguments as JSON.
struct KP_BUSINESS_EXPORT BusinessEvent
{
    qint64 t = 0;
    QString view;
    QString signal;
    QJsonArray args;

    QJsonObject toJson() const;
};

// Arguments of business signals to and from JSON: one converter per type
// (every field of a record), found by meta-type id.
namespace BusinessArgs {
// False when the type has no converter.
KP_BUSINESS_EXPORT bool toJson(int typeId, const void* data, QJsonValue* out);
// False when the type has no converter or the value does not fit it.
KP_BUSINESS_EXPORT bool fromJson(int typeId, const QJsonValue& in, QVariant* out);
KP_BUSINESS_EXPORT bool hasConverter(int typeId);
// The meta-type of a signal's argument, a record passed by reference included.
KP_BUSINESS_EXPORT int argumentType(const QMetaMethod& signal, int index);
} // namespace BusinessArgs

// The event file: {"format":"kp-business-events","version":1,...header...,
// "events":[{"t":..,"view":..,"signal":..,"args":[..]},...]}. Written one
// event a line and flushed after each, so that a crash keeps what happened;
// a file cut short by a crash still reads up to its last whole event.
class KP_BUSINESS_EXPORT BusinessEventFile
{
public:
    BusinessEventFile() = default;
    ~BusinessEventFile();
    BusinessEventFile(const BusinessEventFile&) = delete;
    BusinessEventFile& operator=(const BusinessEventFile&) = delete;

    static QString formatName();

    // Extra header fields (a seed, the program) go beside "format" and "version".
    bool open(const QString& path, const QJsonObject& header, QString* error);
    bool isOpen() const { return m_file.isOpen(); }
    QString fileName() const { return m_file.fileName(); }
    void append(const BusinessEvent& event);
    int count() const { return m_count; }
    // Writes the end of the file; also done by the destructor.
    void close();

    // The whole file, or an error and nothing: events that are not well formed
    // (no view, no signal, arguments not a list) make the file malformed.
    static bool read(const QString& path, QJsonObject* header, QList<BusinessEvent>* events, QString* error);
    static bool parse(const QByteArray& text, QJsonObject* header, QList<BusinessEvent>* events, QString* error);

private:
    QFile m_file;
    int m_count = 0;
};

// Records every signal of every business view to an event file, and plays
// such events back by emitting the same signals with the same arguments.
class KP_BUSINESS_EXPORT BusinessRecorder : public QObject
{
    Q_OBJECT
public:
    explicit BusinessRecorder(QObject* parent = nullptr);
    ~BusinessRecorder() override;

    // The business views by the names the event files use.
    static QList<QPair<QString, QObject*>> views();
    static QObject* view(const QString& name);

    // Starts recording when KP_MEDIACONF_RECORD names a file; the first call
    // decides, later calls return the same recorder (null when not recording).
    static BusinessRecorder* startFromEnvironment();

    bool start(const QString& path, const QJsonObject& header, QString* error);
    void stop();
    bool isRecording() const { return m_file.isOpen(); }
    int recorded() const { return m_file.count(); }

    // Emits the event's signal on its view. False, logged, when the view, the
    // signal or an argument type is unknown or an argument does not convert:
    // the event is skipped.
    static bool emitEvent(const BusinessEvent& event, QString* error = nullptr);
    // The same on a given sender (for senders that are not business views).
    static bool emitOn(QObject* target, const BusinessEvent& event, QString* error = nullptr);

private:
    class Tap;
    void record(const QString& view, const QMetaMethod& signal, void** args);

    BusinessEventFile m_file;
    QElapsedTimer m_clock;
    std::vector<std::unique_ptr<Tap>> m_taps;
};
