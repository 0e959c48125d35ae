#include "business/BusinessRecorder.h"

#include "business/KP_BusinessView.h"
#include "util/KPLog.h"

#include <QHash>
#include <QJsonDocument>
#include <QMetaMethod>

#include <functional>
#include <type_traits>

namespace {

const KPLog& recorderLog()
{
    static const KPLog log("kp.business.recorder");
    return log;
}

// ---- Values -----------------------------------------------------------------

// Each record lists its fields once, for writing and for reading alike.
template<class V> void fields(V& v, Agent_VoIPCallMsg& r)
{
    v("eventCode", r.eventCode), v("callType", r.callType), v("callId", r.callId), v("callerAccount", r.callerAccount),
        v("calleeAccount", r.calleeAccount), v("callerName", r.callerName), v("calleeName", r.calleeName),
        v("extra", r.extra), v("mediaConnected", r.mediaConnected);
}
template<class V> void fields(V& v, Agent_VoIPComingInfo& r)
{
    v("callType", r.callType), v("callId", r.callId), v("callerAccount", r.callerAccount),
        v("callerName", r.callerName), v("extra", r.extra);
}
template<class V> void fields(V& v, Agent_CameraCapability& r)
{
    v("width", r.width), v("height", r.height);
}
template<class V> void fields(V& v, Agent_CameraInfo& r)
{
    v("index", r.index), v("name", r.name), v("id", r.id), v("capabilityCount", r.capabilityCount),
        v("capabilities", r.capabilities);
}
template<class V> void fields(V& v, Agent_MicroPhoneInfo& r)
{
    v("index", r.index), v("name", r.name);
}
template<class V> void fields(V& v, Agent_SpeakerInfo& r)
{
    v("index", r.index), v("name", r.name);
}
template<class V> void fields(V& v, VidyoJsonTransferData& r)
{
    v("msgId", r.msgId), v("msgType", r.msgType), v("roomId", r.roomId), v("callKind", r.callKind),
        v("roomKey", r.roomKey), v("roomUrl", r.roomUrl), v("portal", r.portal), v("roomPin", r.roomPin),
        v("subject", r.subject), v("groupId", r.groupId), v("sendTime", r.sendTime), v("toAccount", r.toAccount),
        v("fromName", r.fromName), v("fromAccount", r.fromAccount);
}
template<class V> void fields(V& v, Agent_MeetingMemberInfo& r)
{
    v("index", r.index), v("role", r.role), v("videoState", r.videoState), v("audioState", r.audioState),
        v("name", r.name), v("account", r.account), v("muteStatus", r.muteStatus), v("phone", r.phone),
        v("isMaster", r.isMaster), v("isOnline", r.isOnline), v("isSpeaking", r.isSpeaking);
}
template<class V> void fields(V& v, Agent_VideoMeetingMsg& r)
{
    v("meetingId", r.meetingId), v("member", r.member), v("state", r.state);
}
template<class V> void fields(V& v, ChatMsgData& r)
{
    v("msgId", r.msgId), v("sessionId", r.sessionId), v("senderAccount", r.senderAccount), v("text", r.text),
        v("time", r.time);
}
template<class V> void fields(V& v, ConferenceMemberInfo& r)
{
    v("account", r.account), v("name", r.name), v("memberType", r.memberType), v("joinOrder", r.joinOrder),
        v("isHandUp", r.isHandUp), v("isMicOpen", r.isMicOpen), v("isSpeakerOpen", r.isSpeakerOpen),
        v("isCameraOpen", r.isCameraOpen), v("isHost", r.isHost), v("isMainVenue", r.isMainVenue),
        v("isInConf", r.isInConf), v("isSharing", r.isSharing), v("isPresenter", r.isPresenter),
        v("isRecording", r.isRecording), v("deviceType", r.deviceType);
}
template<class V> void fields(V& v, ConferenceBriefInfo& r)
{
    v("confId", r.confId), v("subject", r.subject), v("issues", r.issues), v("hostName", r.hostName),
        v("shareLink", r.shareLink), v("whiteboardInfo", r.whiteboardInfo), v("extension", r.extension),
        v("hostAccount", r.hostAccount), v("password", r.password), v("startTime", r.startTime),
        v("memberCount", r.memberCount), v("confType", r.confType), v("mediaType", r.mediaType);
}
template<class V> void fields(V& v, Agent_ConfInfo& r)
{
    v("confId", r.confId), v("subject", r.subject), v("startTime", r.startTime), v("endTime", r.endTime),
        v("hostAccount", r.hostAccount), v("hostName", r.hostName), v("password", r.password),
        v("extension", r.extension), v("whiteboardInfo", r.whiteboardInfo), v("shareLink", r.shareLink),
        v("confType", r.confType), v("mediaType", r.mediaType);
}
template<class V> void fields(V& v, Agent_ConfNtyMsg& r)
{
    v("confId", r.confId), v("result", r.result), v("kind", r.kind), v("fromAccount", r.fromAccount);
}
template<class V> void fields(V& v, Agent_ConferenceParticipantMemberInfo& r)
{
    v("account", r.account), v("volume", r.volume), v("deviceType", r.deviceType);
}
template<class V> void fields(V& v, Agent_ConfAppSetting& r)
{
    v("multiDeviceMode", r.multiDeviceMode), v("maxMembers", r.maxMembers), v("allowCallPhone", r.allowCallPhone);
}
template<class V> void fields(V& v, Agent_OstrelConfConfig& r)
{
    v("customerId", r.customerId), v("cameraOnJoin", r.cameraOnJoin), v("micOnJoin", r.micOnJoin);
}
template<class V> void fields(V& v, ConfSendCmdInfo& r)
{
    v("confId", r.confId), v("account", r.account), v("deviceType", r.deviceType), v("command", r.command),
        v("value", r.value);
}
template<class V> void fields(V& v, LandingCallMember& r)
{
    v("number", r.number), v("name", r.name), v("extra", r.extra);
}
template<class V> void fields(V& v, CS_StatReports& r)
{
    v("rttMs", r.rttMs), v("sendLoss", r.sendLoss), v("recvLoss", r.recvLoss), v("sendKbps", r.sendKbps),
        v("recvKbps", r.recvKbps);
}
template<class V> void fields(V& v, Agent_GroupMember& r)
{
    v("account", r.account), v("name", r.name), v("role", r.role);
}

template<class T> QJsonValue write(const T& value);
template<class T> bool read(const QJsonValue& in, T& value);

struct FieldWriter
{
    QJsonObject object;
    template<class F> FieldWriter& operator()(const char* name, const F& value)
    {
        object.insert(QLatin1String(name), write(value));
        return *this;
    }
};

// A missing field keeps its default (files from older builds); a field of the wrong kind fails the value.
struct FieldReader
{
    const QJsonObject& object;
    bool ok = true;
    template<class F> FieldReader& operator()(const char* name, F& value)
    {
        const auto it = object.constFind(QLatin1String(name));
        if (it != object.constEnd())
            ok = ok && read(it.value(), value);
        return *this;
    }
};

template<class T, class = void> struct IsRecord : std::false_type
{
};
template<class T>
struct IsRecord<T, std::void_t<decltype(fields(std::declval<FieldWriter&>(), std::declval<T&>()))>> : std::true_type
{
};
template<class T> struct IsList : std::false_type
{
};
template<class T> struct IsList<QList<T>> : std::true_type
{
};

QJsonObject writePerson(const AddressBookPerson& p)
{
    return QJsonObject { { QStringLiteral("kind"), QStringLiteral("person") },
        { QStringLiteral("account"), p.account() }, { QStringLiteral("name"), p.displayName() },
        { QStringLiteral("phoneNumber"), p.phoneNumber() }, { QStringLiteral("department"), p.department() },
        { QStringLiteral("position"), p.position() }, { QStringLiteral("email"), p.email() },
        { QStringLiteral("headImagePath"), p.headImagePath() }, { QStringLiteral("active"), p.isActive() } };
}

QSharedPointer<AddressBookPerson> readPerson(const QJsonObject& o)
{
    auto p = QSharedPointer<AddressBookPerson>::create(o.value(QLatin1String("account")).toString(),
        o.value(QLatin1String("name")).toString(), o.value(QLatin1String("phoneNumber")).toString(),
        o.value(QLatin1String("department")).toString(), o.value(QLatin1String("headImagePath")).toString());
    p->setPosition(o.value(QLatin1String("position")).toString());
    p->setEmail(o.value(QLatin1String("email")).toString());
    p->setActive(o.value(QLatin1String("active")).toBool(true));
    return p;
}

QJsonObject writeGroup(const AddressBookGroup& g)
{
    return QJsonObject { { QStringLiteral("kind"), QStringLiteral("group") },
        { QStringLiteral("groupId"), g.groupId() }, { QStringLiteral("name"), g.displayName() },
        { QStringLiteral("members"), write(g.members()) }, { QStringLiteral("disbanded"), g.isDisbanded() } };
}

QSharedPointer<AddressBookGroup> readGroup(const QJsonObject& o, bool& ok)
{
    QList<Agent_GroupMember> members;
    ok = read(o.value(QLatin1String("members")), members);
    auto g = QSharedPointer<AddressBookGroup>::create(
        o.value(QLatin1String("groupId")).toString(), o.value(QLatin1String("name")).toString(), members);
    g->setDisbanded(o.value(QLatin1String("disbanded")).toBool());
    return g;
}

template<class T> QJsonValue write(const T& value)
{
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, QString>) {
        return QJsonValue(value);
    } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T> || std::is_floating_point_v<T>) {
        return QJsonValue(double(value));
    } else if constexpr (std::is_same_v<T, QStringList>) {
        return QJsonArray::fromStringList(value);
    } else if constexpr (IsRecord<T>::value) {
        FieldWriter w;
        fields(w, const_cast<T&>(value));
        return w.object;
    } else if constexpr (IsList<T>::value) {
        QJsonArray array;
        for (const auto& item : value)
            array.append(write(item));
        return array;
    } else if constexpr (std::is_same_v<T, LandingCallMemberMap>) {
        QJsonObject object;
        for (auto it = value.cbegin(); it != value.cend(); ++it)
            object.insert(it.key(), write(it.value()));
        return object;
    } else if constexpr (std::is_same_v<T, QSharedPointer<AddressBookPerson>>) {
        return value ? QJsonValue(writePerson(*value)) : QJsonValue();
    } else if constexpr (std::is_same_v<T, QSharedPointer<AddressBookGroup>>) {
        return value ? QJsonValue(writeGroup(*value)) : QJsonValue();
    } else if constexpr (std::is_same_v<T, QSharedPointer<AddressBookBase>>) {
        if (!value)
            return QJsonValue();
        if (value->kind() == AddressBookBase::KindGroup)
            return writeGroup(static_cast<const AddressBookGroup&>(*value));
        return writePerson(static_cast<const AddressBookPerson&>(*value));
    } else if constexpr (std::is_same_v<T, Agent_ECShareDeviceInfo>) {
        return QJsonObject { { QStringLiteral("windowId"), double(value.windowId) },
            { QStringLiteral("title"), value.titleText() } };
    } else {
        static_assert(std::is_void_v<T>, "no JSON form for this type");
    }
}

template<class T> bool read(const QJsonValue& in, T& value)
{
    if constexpr (std::is_same_v<T, bool>) {
        value = in.toBool();
        return in.isBool();
    } else if constexpr (std::is_same_v<T, QString>) {
        value = in.toString();
        return in.isString();
    } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
        value = T(qint64(in.toDouble()));
        return in.isDouble();
    } else if constexpr (std::is_floating_point_v<T>) {
        value = T(in.toDouble());
        return in.isDouble();
    } else if constexpr (std::is_same_v<T, QStringList>) {
        if (!in.isArray())
            return false;
        QList<QString> list;
        const bool ok = read(in, list);
        value = list;
        return ok;
    } else if constexpr (IsRecord<T>::value) {
        FieldReader r { in.toObject() };
        fields(r, value);
        return in.isObject() && r.ok;
    } else if constexpr (IsList<T>::value) {
        if (!in.isArray())
            return false;
        value.clear();
        for (const QJsonValue& item : in.toArray()) {
            typename T::value_type v;
            if (!read(item, v))
                return false;
            value.append(v);
        }
        return true;
    } else if constexpr (std::is_same_v<T, LandingCallMemberMap>) {
        const QJsonObject object = in.toObject();
        value.clear();
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            if (!read(it.value(), value[it.key()]))
                return false;
        }
        return in.isObject();
    } else if constexpr (std::is_same_v<T, QSharedPointer<AddressBookPerson>>) {
        value = in.isObject() ? readPerson(in.toObject()) : nullptr;
        return in.isObject() || in.isNull();
    } else if constexpr (std::is_same_v<T, QSharedPointer<AddressBookGroup>>) {
        bool ok = true;
        value = in.isObject() ? readGroup(in.toObject(), ok) : nullptr;
        return ok && (in.isObject() || in.isNull());
    } else if constexpr (std::is_same_v<T, QSharedPointer<AddressBookBase>>) {
        bool ok = true;
        const QJsonObject o = in.toObject();
        if (o.value(QLatin1String("kind")).toString() == QLatin1String("group"))
            value = readGroup(o, ok);
        else if (in.isObject())
            value = readPerson(o);
        else
            value = nullptr;
        return ok && (in.isObject() || in.isNull());
    } else if constexpr (std::is_same_v<T, Agent_ECShareDeviceInfo>) {
        const QJsonObject o = in.toObject();
        value.windowId = qint64(o.value(QLatin1String("windowId")).toDouble());
        value.setTitle(o.value(QLatin1String("title")).toString());
        return in.isObject();
    } else {
        static_assert(std::is_void_v<T>, "no JSON form for this type");
    }
}

struct Converter
{
    std::function<QJsonValue(const void*)> toJson;
    std::function<bool(const QJsonValue&, QVariant*)> fromJson;
};

template<class T> void add(QHash<int, Converter>& table)
{
    table.insert(qMetaTypeId<T>(),
        Converter { [](const void* data) { return write(*static_cast<const T*>(data)); },
            [](const QJsonValue& in, QVariant* out) {
                T value {};
                if (!read(in, value))
                    return false;
                *out = QVariant::fromValue(value);
                return true;
            } });
}

const QHash<int, Converter>& converters()
{
    static const QHash<int, Converter> table = [] {
        registerBusinessMetaTypes();
        QHash<int, Converter> t;
        add<bool>(t), add<int>(t), add<uint>(t), add<qlonglong>(t), add<qulonglong>(t), add<float>(t), add<double>(t);
        add<QString>(t), add<QStringList>(t), add<QList<QString>>(t), add<QList<qlonglong>>(t);
        add<Agent_VoIPCallMsg>(t), add<Agent_VoIPComingInfo>(t), add<Agent_CameraCapability>(t);
        add<Agent_CameraInfo>(t), add<QList<Agent_CameraInfo>>(t), add<Agent_MicroPhoneInfo>(t);
        add<QList<Agent_MicroPhoneInfo>>(t), add<Agent_SpeakerInfo>(t), add<QList<Agent_SpeakerInfo>>(t);
        add<Agent_ECShareDeviceInfo>(t), add<QList<Agent_ECShareDeviceInfo>>(t), add<VidyoJsonTransferData>(t);
        add<Agent_MeetingMemberInfo>(t), add<QList<Agent_MeetingMemberInfo>>(t), add<Agent_VideoMeetingMsg>(t);
        add<ChatMsgData>(t), add<QList<ChatMsgData>>(t);
        add<ConferenceMemberInfo>(t), add<QList<ConferenceMemberInfo>>(t), add<ConferenceBriefInfo>(t);
        add<Agent_ConfInfo>(t), add<Agent_ConfNtyMsg>(t), add<Agent_ConferenceParticipantMemberInfo>(t);
        add<QList<Agent_ConferenceParticipantMemberInfo>>(t), add<Agent_ConfAppSetting>(t);
        add<Agent_OstrelConfConfig>(t), add<ConfSendCmdInfo>(t), add<LandingCallMember>(t);
        add<LandingCallMemberMap>(t), add<CS_StatReports>(t), add<Agent_GroupMember>(t);
        add<QList<Agent_GroupMember>>(t), add<QSharedPointer<AddressBookPerson>>(t);
        add<QSharedPointer<AddressBookBase>>(t), add<QList<QSharedPointer<AddressBookBase>>>(t);
        add<QSharedPointer<AddressBookGroup>>(t);
        return t;
    }();
    return table;
}

// Enumerations of the interface all have int underneath: one converter serves them all.
bool isIntEnum(int typeId)
{
    return (QMetaType::typeFlags(typeId) & QMetaType::IsEnumeration) && QMetaType::sizeOf(typeId) == int(sizeof(int));
}

} // namespace

int BusinessArgs::argumentType(const QMetaMethod& signal, int index)
{
    const int type = signal.parameterType(index);
    if (type != QMetaType::UnknownType)
        return type;
    // A signal handing a record by non-const reference: the record's own type.
    QByteArray name = signal.parameterTypes().value(index);
    if (name.endsWith('&'))
        name.chop(1);
    return QMetaType::type(name.constData());
}

bool BusinessArgs::hasConverter(int typeId)
{
    return converters().contains(typeId) || isIntEnum(typeId);
}

bool BusinessArgs::toJson(int typeId, const void* data, QJsonValue* out)
{
    if (isIntEnum(typeId)) {
        *out = double(*static_cast<const int*>(data));
        return true;
    }
    const auto it = converters().constFind(typeId);
    if (it == converters().constEnd())
        return false;
    *out = it->toJson(data);
    return true;
}

bool BusinessArgs::fromJson(int typeId, const QJsonValue& in, QVariant* out)
{
    if (isIntEnum(typeId)) {
        const int value = int(in.toDouble());
        *out = QVariant(typeId, &value);
        return in.isDouble();
    }
    const auto it = converters().constFind(typeId);
    return it != converters().constEnd() && it->fromJson(in, out);
}

// ---- Events and files ---------------------------------------------------------

QJsonObject BusinessEvent::toJson() const
{
    return QJsonObject { { QStringLiteral("t"), double(t) }, { QStringLiteral("view"), view },
        { QStringLiteral("signal"), signal }, { QStringLiteral("args"), args } };
}

BusinessEventFile::~BusinessEventFile()
{
    close();
}

QString BusinessEventFile::formatName()
{
    return QStringLiteral("kp-business-events");
}

bool BusinessEventFile::open(const QString& path, const QJsonObject& header, QString* error)
{
    close();
    m_count = 0;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, m_file.errorString());
        return false;
    }
    QJsonObject head = header;
    head.insert(QLatin1String("format"), formatName());
    head.insert(QLatin1String("version"), 1);
    QByteArray text = QJsonDocument(head).toJson(QJsonDocument::Compact);
    // The header's closing brace is reopened for the event list.
    text.chop(1);
    text += head.isEmpty() ? "\"events\":[\n" : ",\"events\":[\n";
    m_file.write(text);
    m_file.flush();
    return true;
}

void BusinessEventFile::append(const BusinessEvent& event)
{
    if (!m_file.isOpen())
        return;
    QByteArray line;
    if (m_count++ > 0)
        line += ',';
    line += QJsonDocument(event.toJson()).toJson(QJsonDocument::Compact);
    line += '\n';
    m_file.write(line);
    m_file.flush();
}

void BusinessEventFile::close()
{
    if (!m_file.isOpen())
        return;
    m_file.write("]}\n");
    m_file.close();
}

bool BusinessEventFile::read(const QString& path, QJsonObject* header, QList<BusinessEvent>* events, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    return parse(file.readAll(), header, events, error);
}

bool BusinessEventFile::parse(const QByteArray& text, QJsonObject* header, QList<BusinessEvent>* events, QString* error)
{
    events->clear();
    QJsonParseError parseError;
    QJsonDocument doc = QJsonDocument::fromJson(text, &parseError);
    if (doc.isNull()) {
        // A recording cut short (the program died): keep its whole lines and close the list.
        const QByteArray head = text.left(text.lastIndexOf('\n') + 1);
        if (head.contains("\"events\":["))
            doc = QJsonDocument::fromJson(head + "]}");
        if (doc.isNull()) {
            *error = QStringLiteral("not a JSON event file (%1 at offset %2)")
                         .arg(parseError.errorString())
                         .arg(parseError.offset);
            return false;
        }
    }
    const QJsonObject root = doc.object();
    if (root.value(QLatin1String("format")).toString() != formatName()) {
        *error = QStringLiteral("not an event file: \"format\" is not \"%1\"").arg(formatName());
        return false;
    }
    if (root.value(QLatin1String("version")).toInt() != 1) {
        *error = QStringLiteral("unsupported event file version %1").arg(root.value(QLatin1String("version")).toInt());
        return false;
    }
    if (!root.value(QLatin1String("events")).isArray()) {
        *error = QStringLiteral("the event file has no \"events\" list");
        return false;
    }
    QList<BusinessEvent> result;
    const QJsonArray list = root.value(QLatin1String("events")).toArray();
    for (int i = 0; i < list.size(); ++i) {
        const QJsonObject o = list.at(i).toObject();
        BusinessEvent e;
        e.t = qint64(o.value(QLatin1String("t")).toDouble());
        e.view = o.value(QLatin1String("view")).toString();
        e.signal = o.value(QLatin1String("signal")).toString();
        e.args = o.value(QLatin1String("args")).toArray();
        if (!list.at(i).isObject() || !o.value(QLatin1String("t")).isDouble() || e.view.isEmpty() || e.signal.isEmpty()
            || !o.value(QLatin1String("args")).isArray()) {
            *error = QStringLiteral("event %1 is malformed: it needs \"t\", \"view\", \"signal\" and \"args\"").arg(i);
            return false;
        }
        result.append(e);
    }
    *events = result;
    if (header) {
        *header = root;
        header->remove(QStringLiteral("events"));
    }
    return true;
}

// ---- Recorder -----------------------------------------------------------------

// One connection to one signal; its arguments reach record() untyped, as the
// signal's own argument array.
class BusinessRecorder::Tap : public QObject
{
public:
    Tap(BusinessRecorder* recorder, QString view, QObject* sender, QMetaMethod signal)
        : m_recorder(recorder)
        , m_view(std::move(view))
        , m_signal(signal)
    {
        QMetaObject::connect(
            sender, signal.methodIndex(), this, QObject::staticMetaObject.methodCount(), Qt::DirectConnection, nullptr);
    }

    int qt_metacall(QMetaObject::Call call, int id, void** args) override
    {
        id = QObject::qt_metacall(call, id, args);
        if (id < 0)
            return id;
        if (call == QMetaObject::InvokeMetaMethod && id == 0)
            m_recorder->record(m_view, m_signal, args);
        return id - 1;
    }

private:
    BusinessRecorder* m_recorder;
    QString m_view;
    QMetaMethod m_signal;
};

BusinessRecorder::BusinessRecorder(QObject* parent)
    : QObject(parent)
{ }

BusinessRecorder::~BusinessRecorder()
{
    stop();
}

QList<QPair<QString, QObject*>> BusinessRecorder::views()
{
    KP_BusinessView* root = KP_BusinessView::instance();
    return { { QStringLiteral("UnifiedConferenceView"), root->getUnifiedConferenceView() },
        { QStringLiteral("VoipView"), root->getVoipView() }, { QStringLiteral("VidyoView"), root->getVidyoView() },
        { QStringLiteral("MeetingView"), root->getMeetingView() },
        { QStringLiteral("AddressBookView"), root->getAddressBookView() },
        { QStringLiteral("UserInfoView"), root->getUserInfoView() },
        { QStringLiteral("GroupMgrView"), root->getGroupMgrView() },
        { QStringLiteral("WhiteBoardView"), root->getWhiteBoardView() },
        { QStringLiteral("MultimediaMgrView"), root->getMultimediaMgrView() },
        { QStringLiteral("LoginView"), root->getLoginView() }, { QStringLiteral("ChatMsgControl"), root->getMsgCtrl() },
        { QStringLiteral("ChatMsgControlCb"), root->getMsgCtrlCb() } };
}

QObject* BusinessRecorder::view(const QString& name)
{
    for (const auto& v : views()) {
        if (v.first == name)
            return v.second;
    }
    return nullptr;
}

BusinessRecorder* BusinessRecorder::startFromEnvironment()
{
    static BusinessRecorder* const recorder = []() -> BusinessRecorder* {
        const QString path = qEnvironmentVariable("KP_MEDIACONF_RECORD");
        if (path.isEmpty())
            return nullptr;
        auto* r = new BusinessRecorder(KP_BusinessView::instance());
        QString error;
        if (!r->start(path, QJsonObject { { QStringLiteral("program"), QStringLiteral("client") } }, &error)) {
            recorderLog().LogInfo(QStringLiteral("BusinessRecorder::startFromEnvironment ") + error);
            delete r;
            return nullptr;
        }
        recorderLog().LogInfo(QStringLiteral("BusinessRecorder::startFromEnvironment recording to ") + path);
        return r;
    }();
    return recorder;
}

bool BusinessRecorder::start(const QString& path, const QJsonObject& header, QString* error)
{
    stop();
    if (!m_file.open(path, header, error))
        return false;
    m_clock.start();
    for (const auto& v : views()) {
        const QMetaObject* mo = v.second->metaObject();
        for (int i = QObject::staticMetaObject.methodCount(); i < mo->methodCount(); ++i) {
            const QMetaMethod m = mo->method(i);
            if (m.methodType() == QMetaMethod::Signal && m.access() == QMetaMethod::Public)
                m_taps.push_back(std::make_unique<Tap>(this, v.first, v.second, m));
        }
    }
    return true;
}

void BusinessRecorder::stop()
{
    m_taps.clear();
    m_file.close();
}

void BusinessRecorder::record(const QString& view, const QMetaMethod& signal, void** args)
{
    BusinessEvent e;
    e.t = m_clock.elapsed();
    e.view = view;
    e.signal = QString::fromLatin1(signal.methodSignature());
    for (int i = 0; i < signal.parameterCount(); ++i) {
        QJsonValue value;
        if (!BusinessArgs::toJson(BusinessArgs::argumentType(signal, i), args[i + 1], &value)) {
            recorderLog().LogInfo(QStringLiteral("BusinessRecorder::record %1::%2 not recorded: no JSON form for %3")
                                      .arg(view, e.signal, QString::fromLatin1(signal.parameterTypes().at(i))));
            return;
        }
        e.args.append(value);
    }
    m_file.append(e);
}

bool BusinessRecorder::emitEvent(const BusinessEvent& event, QString* error)
{
    return emitOn(view(event.view), event, error);
}

bool BusinessRecorder::emitOn(QObject* target, const BusinessEvent& event, QString* error)
{
    QString why;
    const QMetaObject* mo = target ? target->metaObject() : nullptr;
    const int index = mo ? mo->indexOfSignal(QMetaObject::normalizedSignature(qPrintable(event.signal))) : -1;
    const QMetaMethod signal = index >= 0 ? mo->method(index) : QMetaMethod();
    QVariant values[10];
    QGenericArgument args[10];
    const QList<QByteArray> names = signal.isValid() ? signal.parameterTypes() : QList<QByteArray>();
    if (!target) {
        why = QStringLiteral("unknown view");
    } else if (!signal.isValid()) {
        why = QStringLiteral("unknown signal");
    } else if (signal.parameterCount() != event.args.size() || event.args.size() > 10) {
        why = QStringLiteral("%1 arguments where the signal takes %2")
                  .arg(event.args.size())
                  .arg(signal.parameterCount());
    } else {
        for (int i = 0; i < event.args.size() && why.isEmpty(); ++i) {
            if (!BusinessArgs::hasConverter(BusinessArgs::argumentType(signal, i)))
                why = QStringLiteral("no JSON form for %1").arg(QString::fromLatin1(names.at(i)));
            else if (!BusinessArgs::fromJson(BusinessArgs::argumentType(signal, i), event.args.at(i), &values[i]))
                why = QStringLiteral("argument %1 is not a %2").arg(i).arg(QString::fromLatin1(names.at(i)));
            else
                args[i] = QGenericArgument(names.at(i).constData(), values[i].constData());
        }
    }
    if (why.isEmpty()
        && !signal.invoke(target, Qt::DirectConnection, args[0], args[1], args[2], args[3], args[4], args[5], args[6],
            args[7], args[8], args[9]))
        why = QStringLiteral("the signal could not be emitted");
    if (why.isEmpty())
        return true;
    why = QStringLiteral("BusinessRecorder::emitEvent %1::%2 skipped: %3").arg(event.view, event.signal, why);
    recorderLog().LogInfo(why);
    if (error)
        *error = why;
    return false;
}
