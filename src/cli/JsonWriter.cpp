#include "cli/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace wattmere {

void JsonWriter::separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasMember.empty()) {
        if (m_hasMember.back())
            m_text += ',';
        m_hasMember.back() = true;
    }
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    m_text += '{';
    m_hasMember.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    m_text += '}';
    m_hasMember.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    m_text += '[';
    m_hasMember.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    m_text += ']';
    m_hasMember.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(const char* name) {
    return key(QString::fromLatin1(name));
}

JsonWriter& JsonWriter::key(const QString& name) {
    separate();
    writeString(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    separate();
    // JSON has no infinities or NaN; the results never hold one, but a writer must not emit
    // text that no reader accepts.
    if (!std::isfinite(number)) {
        m_text += "null";
        return *this;
    }
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number);
    m_text.append(buffer, error == std::errc() ? end - buffer : 0);
    return *this;
}

JsonWriter& JsonWriter::value(int number) {
    separate();
    m_text += QByteArray::number(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    separate();
    m_text += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::value(const QString& text) {
    separate();
    writeString(text);
    return *this;
}

void JsonWriter::writeString(const QString& text) {
    m_text += '"';
    // Multi-byte UTF-8 sequences never contain bytes below 0x80, so escaping byte by byte
    // keeps every character whole.
    for (const char byte : text.toUtf8()) {
        switch (byte) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '\t':
            m_text += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(byte) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(byte));
                m_text += escaped;
            } else {
                m_text += byte;
            }
        }
    }
    m_text += '"';
}

} // namespace wattmere
