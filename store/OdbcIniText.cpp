#include "store/OdbcIniText.h"

#include <optional>

namespace {

// The file cut after each line feed, so that joining the pieces gives it back exactly.
std::vector<QByteArray> SplitLines(const QByteArray& file) {
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    while (start < file.size()) {
        const qsizetype end = file.indexOf('\n', start);
        const qsizetype next = end < 0 ? file.size() : end + 1;
        lines.push_back(file.mid(start, next - start));
        start = next;
    }
    return lines;
}

bool SameName(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a "[name]" line; nothing for any other line.
std::optional<QByteArray> SectionName(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    if (!text.startsWith('[')) return std::nullopt;
    const qsizetype close = text.indexOf(']');
    if (close < 0) return std::nullopt;
    return text.mid(1, close - 1).trimmed();
}

// The key and value of a "key = value" line; nothing for comments and blank lines.
std::optional<IniEntry> EntryOf(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    if (text.isEmpty() || text.startsWith(';') || text.startsWith('#')) return std::nullopt;
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0) return std::nullopt;
    return IniEntry{text.left(equals).trimmed(), text.mid(equals + 1).trimmed()};
}

QByteArray EntryLine(const IniEntry& entry) { return entry.key + '=' + entry.value + '\n'; }

QByteArray Join(const std::vector<QByteArray>& lines) {
    QByteArray joined;
    for (const QByteArray& line : lines) joined += line;
    return joined;
}

QByteArray AppendSection(const QByteArray& file, const QByteArray& section,
                         const std::vector<IniEntry>& entries) {
    QByteArray result = file;
    if (!result.isEmpty() && !result.endsWith('\n')) result += '\n';
    if (!result.isEmpty()) result += '\n';
    result += '[' + section + "]\n";
    for (const IniEntry& entry : entries) result += EntryLine(entry);
    return result;
}

}  // namespace

QByteArray WithIniSection(const QByteArray& file, const QByteArray& section,
                          const std::vector<IniEntry>& entries) {
    std::vector<QByteArray> lines = SplitLines(file);
    std::size_t header = 0;
    while (header < lines.size() && !SameName(SectionName(lines[header]).value_or(""), section))
        ++header;
    if (header == lines.size()) return AppendSection(file, section, entries);
    // The section ends where the next one starts; a last line without its line feed gets one
    // before anything is added after it.
    std::size_t end = header + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;

    std::vector<bool> written(entries.size(), false);
    std::vector<QByteArray> body;
    std::size_t insertAt = 0;  // after the last key line kept, in body
    bool changed = false;
    for (std::size_t i = header + 1; i < end; ++i) {
        const std::optional<IniEntry> existing = EntryOf(lines[i]);
        std::size_t which = entries.size();
        for (std::size_t k = 0; existing && k < entries.size(); ++k)
            if (SameName(existing->key, entries[k].key)) which = k;
        if (which == entries.size()) {
            body.push_back(lines[i]);
            if (existing) insertAt = body.size();
            continue;
        }
        if (written[which]) {  // a repeated key: the first one is the one that counts
            changed = true;
            continue;
        }
        written[which] = true;
        if (existing->value == entries[which].value) {
            body.push_back(lines[i]);
        } else {
            body.push_back(EntryLine(entries[which]));
            changed = true;
        }
        insertAt = body.size();
    }
    std::vector<QByteArray> missing;
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (!written[k]) missing.push_back(EntryLine(entries[k]));
    if (!changed && missing.empty()) return file;
    if (insertAt > 0 && !body[insertAt - 1].endsWith('\n')) body[insertAt - 1] += '\n';
    if (insertAt == 0 && !lines[header].endsWith('\n')) lines[header] += '\n';
    body.insert(body.begin() + static_cast<std::ptrdiff_t>(insertAt), missing.begin(),
                missing.end());

    std::vector<QByteArray> result(lines.begin(),
                                   lines.begin() + static_cast<std::ptrdiff_t>(header) + 1);
    result.insert(result.end(), body.begin(), body.end());
    result.insert(result.end(), lines.begin() + static_cast<std::ptrdiff_t>(end), lines.end());
    return Join(result);
}
