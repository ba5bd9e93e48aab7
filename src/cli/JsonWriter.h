#pragma once
// A compact JSON text writer for the command line's output: one pass into a byte buffer, with
// the shortest number text that reads back exactly. Used instead of building a QJsonDocument
// because a batch run writes thousands of numbers per analysis.

#include <QByteArray>
#include <QString>

#include <vector>

namespace wattmere {

class JsonWriter {
public:
    JsonWriter() { m_text.reserve(64 * 1024); }

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The name of the next member of the current object.
    JsonWriter& key(const char* name);
    JsonWriter& key(const QString& name);
    JsonWriter& value(double number);
    JsonWriter& value(int number);
    JsonWriter& value(bool flag);
    JsonWriter& value(const QString& text);

    const QByteArray& text() const { return m_text; }

private:
    void separate();
    void writeString(const QString& text);

    QByteArray m_text;
    // Per open object or array: whether it holds a member yet.
    std::vector<bool> m_hasMember;
    bool m_afterKey = false;
};

} // namespace wattmere
