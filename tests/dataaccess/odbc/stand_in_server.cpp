#include "stand_in_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace odbc_test {
namespace {

constexpr int preLoginPacket = 0x12;
constexpr int loginPacket = 0x10;
constexpr int batchPacket = 0x01;
constexpr int replyPacket = 0x04;
/// Status bit of the last packet of a message.
constexpr int endOfMessage = 0x01;

/// Reads exactly `size` bytes; false when the peer closed first.
bool readFully(int socket, char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t got = ::read(socket, data, size);
        if (got <= 0)
            return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

bool writeAll(int socket, const QByteArray& bytes)
{
    return ::write(socket, bytes.constData(), static_cast<std::size_t>(bytes.size())) ==
           bytes.size();
}

/// One TDS message: the type of its packets and their payloads (after each 8-byte header)
/// joined.
std::optional<std::pair<int, QByteArray>> readMessage(int socket)
{
    QByteArray message;
    for (;;) {
        char header[8];
        if (!readFully(socket, header, sizeof(header)))
            return std::nullopt;
        const int length =
            (static_cast<unsigned char>(header[2]) << 8) | static_cast<unsigned char>(header[3]);
        if (length < 8)
            return std::nullopt;
        QByteArray payload(length - 8, '\0');
        if (!readFully(socket, payload.data(), static_cast<std::size_t>(payload.size())))
            return std::nullopt;
        message += payload;
        if ((static_cast<unsigned char>(header[1]) & endOfMessage) != 0)
            return std::make_pair(static_cast<unsigned char>(header[0]), message);
    }
}

void appendWord(QByteArray& bytes, int value)
{
    bytes.append(static_cast<char>(value & 0xff)).append(static_cast<char>((value >> 8) & 0xff));
}

/// A one-packet reply message holding `payload`.
QByteArray reply(const QByteArray& payload)
{
    QByteArray packet;
    packet.append(static_cast<char>(replyPacket)).append(static_cast<char>(endOfMessage));
    const int length = 8 + static_cast<int>(payload.size());
    packet.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xff));
    packet.append(QByteArray::fromHex("00000100"));
    return packet + payload;
}

/// The pre-login answer of a server that offers no encryption: a VERSION and an ENCRYPTION
/// option (ENCRYPT_NOT_SUP), then the terminator.
QByteArray preLoginAnswer()
{
    return reply(QByteArray::fromHex("00000b0006"   // VERSION at 11, 6 bytes
                                     "0100110001"   // ENCRYPTION at 17, 1 byte
                                     "ff"           // end of options
                                     "0f0007d00000" // 15.0.2000
                                     "02"));        // ENCRYPT_NOT_SUP
}

/// A DONE token that ends a reply: no more results, no row count.
QByteArray doneToken()
{
    return QByteArray::fromHex("fd"
                               "0000"
                               "0000"
                               "0000000000000000");
}

/// LOGINACK for TDS 7.4 from a server calling itself "Stand-in", then DONE.
QByteArray loginAcknowledgement()
{
    const QString name = QStringLiteral("Stand-in");
    QByteArray body = QByteArray::fromHex("01"
                                          "74000004"); // SQL_TSQL, TDS 7.4
    body.append(static_cast<char>(name.size()));
    body.append(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
    body.append(QByteArray::fromHex("0f0007d0")); // 15.0.2000
    QByteArray token(1, static_cast<char>(0xad));
    appendWord(token, static_cast<int>(body.size()));
    return reply(token + body + doneToken());
}

quint16 word(const QByteArray& data, int at)
{
    return static_cast<quint16>(static_cast<unsigned char>(data[at]) |
                                (static_cast<unsigned char>(data[at + 1]) << 8));
}

/// The UTF-16 text a login record names by its offset and length (in characters) at `at`.
QString field(const QByteArray& login, int at, bool scrambled)
{
    const int offset = word(login, at);
    const int characters = word(login, at + 2);
    QByteArray bytes = login.mid(offset, characters * 2);
    if (scrambled) {
        // Each password byte is stored with its nibbles swapped and XOR-ed with 0xA5.
        for (char& b : bytes) {
            const auto x = static_cast<unsigned char>(static_cast<unsigned char>(b) ^ 0xA5);
            b = static_cast<char>(((x << 4) | (x >> 4)) & 0xFF);
        }
    }
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                              bytes.size() / 2);
}

/// The statement text of a SQL batch: UTF-16 after the ALL_HEADERS block, whose first four
/// bytes give its length.
QString batchText(const QByteArray& payload)
{
    if (payload.size() < 4)
        return {};
    const int headers = word(payload, 0) | (word(payload, 2) << 16);
    const QByteArray text = payload.mid(headers);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.constData()), text.size() / 2);
}

} // namespace

StandInServer::StandInServer(AfterLogin behaviour, QString marker)
    : m_behaviour(behaviour), m_marker(std::move(marker))
{
    m_listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
        listen(m_listener, 1) != 0)
        return;
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

StandInServer::~StandInServer()
{
    m_stopping = true;
    ::shutdown(m_listener, SHUT_RDWR);
    const int client = m_client.load();
    if (client >= 0)
        ::shutdown(client, SHUT_RDWR);
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_listener);
}

QString StandInServer::serverSetting() const
{
    return QStringLiteral("127.0.0.1,%1").arg(m_port);
}

std::optional<LoginRecord> StandInServer::login()
{
    ::shutdown(m_listener, SHUT_RDWR); // no client is waited for any more
    if (m_thread.joinable())
        m_thread.join();
    return m_login;
}

void StandInServer::serve()
{
    const int client = accept(m_listener, nullptr, nullptr);
    if (client < 0)
        return;
    m_client = client;
    if (m_stopping) // the destructor may have looked before the client was published
        ::shutdown(client, SHUT_RDWR);
    serveClient(client);
    m_client = -1;
    ::close(client);
}

void StandInServer::serveClient(int client)
{
    bool silent = false;
    for (;;) {
        const auto message = readMessage(client);
        if (!message)
            return;
        if (silent)
            continue; // reads on (cancel requests too) and never answers
        const auto& [type, payload] = *message;
        if (type == preLoginPacket) {
            if (!writeAll(client, preLoginAnswer()))
                return;
        } else if (type == loginPacket) {
            m_login = LoginRecord{field(payload, 40, false), field(payload, 44, true),
                                  field(payload, 68, false)};
            if (m_behaviour == AfterLogin::HangUp || !writeAll(client, loginAcknowledgement()))
                return;
        } else if (type == batchPacket && batchText(payload).contains(m_marker)) {
            m_markerSeen = true;
            if (m_behaviour == AfterLogin::AnswerThenHangUp)
                return;
            silent = true;
        } else if (!writeAll(client, reply(doneToken()))) {
            return;
        }
    }
}

} // namespace odbc_test
