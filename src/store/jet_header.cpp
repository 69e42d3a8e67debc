#include "jet_header.h"

#include "error.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstring>
#include <numeric>
#include <utility>

namespace store {

namespace {

constexpr qint64 jetHeaderSize = 0x18;
constexpr int jetVersionOffset = 0x14;
// Past the signature, the first page is masked with the RC4 stream of a fixed key (Jet 3
// masks 126 bytes, Jet 4 128); the password and the creation date lie inside both.
constexpr qint64 jetMaskedSize = 128;
constexpr int jetPasswordOffset = 0x42;
constexpr int jet3PasswordSize = 20; // bytes of the Windows code page
constexpr int jet4PasswordSize = 40; // UTF-16
constexpr int jet4CreatedOffset = 0x72;
constexpr int jet3PageSize = 2048;
constexpr int jet4PageSize = 4096;

QByteArray fileHeader(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.read(jetHeaderSize + jetMaskedSize);
}

bool isJet3(const QByteArray &header) {
    return header.at(jetVersionOffset) == 0;
}

QByteArray rc4Stream(const QByteArray &key, int length) {
    std::array<unsigned char, 256> state;
    std::iota(state.begin(), state.end(), 0);
    unsigned char j = 0;
    for (int i = 0; i < 256; ++i) {
        j += state[i] + static_cast<unsigned char>(key.at(i % key.size()));
        std::swap(state[i], state[j]);
    }
    QByteArray stream(length, '\0');
    unsigned char i = 0;
    j = 0;
    for (char &byte : stream) {
        j += state[++i];
        std::swap(state[i], state[j]);
        byte = static_cast<char>(state[static_cast<unsigned char>(state[i] + state[j])]);
    }
    return stream;
}

QByteArray unmaskedHeader(QByteArray header) {
    // The key is the number 0x6b39dac7, little-endian.
    static const QByteArray mask = rc4Stream(QByteArray("\xc7\xda\x39\x6b"), jetMaskedSize);
    for (int i = 0; i < mask.size(); ++i) {
        header[jetHeaderSize + i] ^= mask.at(i);
    }
    return header;
}

// Jet 4 masks the password again with the whole days of the creation date, little-endian.
QByteArray creationDateMask(const QByteArray &header) {
    const quint64 bits = qFromLittleEndian<quint64>(header.constData() + jet4CreatedOffset);
    double created = 0;
    std::memcpy(&created, &bits, sizeof created);
    // Only a damaged page holds a date beyond the range of whole days; keep the cast defined.
    const bool inRange = std::isfinite(created) && std::fabs(created) < 2147483647.0;
    const qint32 days = inRange ? static_cast<qint32>(created) : 0;
    QByteArray mask(sizeof days, '\0');
    qToLittleEndian(days, mask.data());
    return mask;
}

// The characters of the password field, unmasked: one byte each in Jet 3, two in Jet 4.
QList<quint16> passwordField(const QByteArray &header) {
    const QByteArray plain = unmaskedHeader(header);
    QByteArray field =
        plain.mid(jetPasswordOffset, isJet3(header) ? jet3PasswordSize : jet4PasswordSize);
    QList<quint16> characters;
    if (isJet3(header)) {
        for (const char byte : field) {
            characters << static_cast<unsigned char>(byte);
        }
        return characters;
    }
    const QByteArray dateMask = creationDateMask(plain);
    for (int i = 0; i < field.size(); ++i) {
        field[i] ^= dateMask.at(i % dateMask.size());
    }
    for (int i = 0; i < field.size(); i += 2) {
        characters << qFromLittleEndian<quint16>(field.constData() + i);
    }
    return characters;
}

enum class Password { None, Set, Garbled };

// Without a password the field holds zeros only. A password is typed characters (none of them
// a control character) followed by zeros only; anything else is a damaged page, not a
// password.
Password passwordState(const QByteArray &header) {
    const QList<quint16> field = passwordField(header);
    const qsizetype length = field.indexOf(0) < 0 ? field.size() : field.indexOf(0);
    if (field.count(0) != field.size() - length) {
        return Password::Garbled;
    }
    for (qsizetype i = 0; i < length; ++i) {
        if (field.at(i) < 0x20 || field.at(i) == 0x7f) {
            return Password::Garbled;
        }
    }
    return length == 0 ? Password::None : Password::Set;
}

} // namespace

bool isJetDatabase(const QString &path) {
    const QByteArray header = fileHeader(path);
    if (header.size() < jetHeaderSize) {
        return false;
    }
    static const QByteArray engine("Standard Jet DB\0", 16);
    const QByteArray version = header.mid(jetVersionOffset, 4);
    return header.mid(4, engine.size()) == engine &&
           (version == QByteArray("\0\0\0\0", 4) || version == QByteArray("\1\0\0\0", 4));
}

void checkJetHeader(const QString &path) {
    if (!isJetDatabase(path)) {
        throw Error(QStringLiteral("It is not an Access 97 or Access 2000 database."));
    }
    const QByteArray header = fileHeader(path);
    // Jet files are whole pages; a part page means the copy was cut short.
    const int pageSize = isJet3(header) ? jet3PageSize : jet4PageSize;
    if (header.size() < jetHeaderSize + jetMaskedSize || QFileInfo(path).size() % pageSize != 0) {
        throw Error(QStringLiteral("It is damaged: it ends part-way through a page (the file "
                                   "was probably cut short)."));
    }
    switch (passwordState(header)) {
    case Password::None:
        return;
    case Password::Set:
        // The reader ignores the password, but its owner meant the file to stay closed.
        throw Error(QStringLiteral("It is protected by a database password. Remove the "
                                   "password in Microsoft Access (Tools, Security, Unset "
                                   "Database Password) and start Parlivo again."));
    case Password::Garbled:
        throw Error(QStringLiteral("It is damaged: its first page, which describes the "
                                   "database, does not read as Access writes it."));
    }
}

} // namespace store
