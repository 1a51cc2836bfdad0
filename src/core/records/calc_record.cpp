#include "core/records/calc_record.hpp"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "core/text/comma_text.hpp"
#include "core/text/cp1252.hpp"
#include "core/text/errors.hpp"
#include "core/text/numbers.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

namespace {

enum class FieldType { Bool, Text };

struct Field {
    const char* name;
    FieldType type;
};

constexpr Field B(const char* name) { return {name, FieldType::Bool}; }
constexpr Field T(const char* name) { return {name, FieldType::Text}; }

// Tails, in file order.
constexpr Field kDailyTail[] = {B("Rtr"),  B("Rpoup"), B("Chono"), B("Rpor"),
                                B("Rvalor"), T("Ehono"), B("Cnaou")};
constexpr int kDailyOldTailLength = 2;  // "Vers 1.2" and "Vers 1.21" end after Rpoup
constexpr Field kStateTail[] = {B("Rencogenexp"),        B("Rencogeexp"),       B("Cjc"),
                                T("Datejurcompinicial"), T("Datejurcompfinal"), T("Ejurcomp"),
                                B("Chono"),              B("Rpor"),             B("Rvalor"),
                                T("Ehono"),              B("Rtjmg"),            B("Cnaou"),
                                B("Rtjdf")};
constexpr Field kMonthTail[] = {B("Chono"),   B("Rpor"),       B("Rvalor"), T("Ehono"),
                                B("Cencoge"), B("Cencogeexp"), B("Cnaou")};

struct TailField {
    Field field;
    bool optional;
};

const char* boolText(bool on) { return on ? "true" : "false"; }

// A value must stay on its own line.
std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

void putGrid(std::vector<std::string>& out, const Window& w, const char* name) {
    const StringGrid& g = w.grid(name);
    out.push_back(std::to_string(g.rowCount()));
    for (int r = 1; r < g.rowCount(); ++r) out.push_back(oneLine(toCommaText(g.row(r))));
}

void putField(std::vector<std::string>& out, const Window& w, const Field& f) {
    if (f.type == FieldType::Bool)
        out.push_back(boolText(w.checked(f.name)));
    else
        out.push_back(oneLine(w.text(f.name)));
}

std::vector<TailField> tailFor(RecordKind kind, RecordVersion version, RecordSource source) {
    std::vector<TailField> tail;
    switch (kind) {
        case RecordKind::Daily: {
            // Cnaou, the last field, came after the first "Vers 1.22" records.
            const int full = static_cast<int>(std::size(kDailyTail));
            const int n = version == RecordVersion::Vers122 ? full : kDailyOldTailLength;
            for (int i = 0; i < n; ++i) tail.push_back({kDailyTail[i], i == full - 1});
            break;
        }
        case RecordKind::State:
            for (const Field& f : kStateTail) tail.push_back({f, true});
            break;
        case RecordKind::MonthByMonth:
            if (version != RecordVersion::Vers122) break;
            // Backups always had the fee fields; the table options came later.
            for (size_t i = 0; i < std::size(kMonthTail); ++i)
                tail.push_back({kMonthTail[i], source == RecordSource::UserFile || i >= 4});
            break;
        case RecordKind::Federal:
            break;
    }
    return tail;
}

class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    bool more() const { return pos_ < lines_.size(); }

    const std::string& next() {
        if (!more())
            throw ConversionError("O arquivo está incompleto: termina antes da linha " +
                                  std::to_string(pos_ + 1));
        return lines_[pos_++];
    }

private:
    const std::vector<std::string>& lines_;
    size_t pos_ = 0;
};

void readGrid(LineReader& in, Window& w, const char* name) {
    long long rows = StrToInt(in.next());
    if (rows > StringGrid::kMaxRows)
        throw ConversionError("O arquivo indica " + std::to_string(rows) + " linhas para a tabela " +
                              name + "; o limite é de " + std::to_string(StringGrid::kMaxRows) +
                              " linhas, impossível abrir");
    StringGrid& g = w.grid(name);
    // The header row always stays.
    g.setRowCount(static_cast<int>(std::max(rows, 1LL)));
    for (int r = 1; r < rows; ++r) fillRowFromCommaText(g, r, in.next());
}

void readField(LineReader& in, Window& w, const Field& f) {
    const std::string& line = in.next();
    if (f.type == FieldType::Bool)
        w.setChecked(f.name, line == "true");
    else
        w.setText(f.name, line);
}

}  // namespace

const char* recordFirstLine(RecordKind kind) {
    switch (kind) {
        case RecordKind::Daily: return "Vers 1.22";
        case RecordKind::State: return "estados";
        case RecordKind::MonthByMonth: return "Vers 1.22";
        case RecordKind::Federal: return "Vers 1.2";
    }
    return "";
}

const char* recordBackupName(RecordKind kind) {
    switch (kind) {
        case RecordKind::Daily: return "temp2diaria.back";
        case RecordKind::State: return "tempsp.back";
        case RecordKind::MonthByMonth: return "temp2.back";
        case RecordKind::Federal: return "tempjf.back";
    }
    return "";
}

std::string recordBackupPath(const std::string& meudir, RecordKind kind) {
    return workspaceFile(meudir, recordBackupName(kind));
}

RecordVersion recordVersion(std::string_view firstLine) {
    if (firstLine == "Vers 1.2") return RecordVersion::Vers12;
    if (firstLine == "Vers 1.21") return RecordVersion::Vers121;
    if (firstLine == "Vers 1.22") return RecordVersion::Vers122;
    if (firstLine == "estados") return RecordVersion::Estados;
    return RecordVersion::Unknown;
}

bool recordAccepts(RecordKind kind, RecordSource source, std::string_view firstLine) {
    RecordVersion v = recordVersion(firstLine);
    switch (kind) {
        case RecordKind::Daily:
            return v == RecordVersion::Vers12 || v == RecordVersion::Vers121 || v == RecordVersion::Vers122;
        case RecordKind::State:
            return v == RecordVersion::Estados;
        case RecordKind::MonthByMonth:
            return v == RecordVersion::Vers12 || v == RecordVersion::Vers122 ||
                   (v == RecordVersion::Vers121 && source == RecordSource::Backup);
        case RecordKind::Federal:
            return v == RecordVersion::Vers12;
    }
    return false;
}

std::vector<std::string> recordLines(std::string_view bytes) { return splitLines(decodeFileText(bytes)); }

std::optional<std::string> readRecordFirstLine(const std::string& path) {
    std::string bytes;
    try {
        bytes = readFileBytes(path);
    } catch (const FileError&) {
        return std::nullopt;
    }
    std::vector<std::string> lines = recordLines(bytes);
    return lines.empty() ? std::string() : lines.front();
}

std::vector<std::string> buildRecord(RecordKind kind, const Window& w) {
    std::vector<std::string> out;
    out.push_back(recordFirstLine(kind));

    const Control& plans = w.at("CPlanos");
    out.push_back(std::to_string(plans.items.size()));
    for (size_t i = 0; i < plans.items.size(); ++i)
        out.push_back(boolText(i < plans.ticks.size() && plans.ticks[i]));

    putGrid(out, w, "SPlanos");
    putGrid(out, w, "SSaldo");
    putGrid(out, w, "SBase");
    if (kind == RecordKind::State) {
        out.push_back(boolText(w.checked("Rcomposto")));
        out.push_back(boolText(w.checked("Rsimples")));
        out.push_back(boolText(w.checked("Rmes")));
    } else {
        // Simple interest is the only kind these calculators use.
        out.push_back("false");
        out.push_back("true");
        out.push_back("false");
    }
    putField(out, w, B("Cprorata"));
    putGrid(out, w, "STJuros");
    if (kind != RecordKind::State) putGrid(out, w, "amortizacao");
    putField(out, w, B("RComjuros"));
    putGrid(out, w, "Jmes");

    for (const TailField& t : tailFor(kind, RecordVersion::Vers122, RecordSource::Backup))
        putField(out, w, t.field);
    return out;
}

std::string recordBytes(RecordKind kind, const Window& w) {
    std::string text;
    for (const std::string& line : buildRecord(kind, w)) {
        text += line;
        text += "\r\n";
    }
    return utf8ToCp1252(text);
}

void writeRecord(RecordKind kind, const Window& w, const std::string& path, Durability durability) {
    writeFileAtomic(path, recordBytes(kind, w), durability);
}

std::string planCountRefusal(long long extra, RecordSource source) {
    std::string text =
        "O arquivo possui " + std::to_string(extra) + " Plano(s) adicionai(s), impossível abrir";
    if (source == RecordSource::Backup) text += ", o backup será excluido";
    return text;
}

RecordReadResult readRecord(RecordKind kind, const std::vector<std::string>& lines, RecordSource source,
                            Window& w) {
    RecordReadResult result;
    LineReader in(lines);
    const std::string first = in.more() ? lines.front() : std::string();
    if (!recordAccepts(kind, source, first)) {
        result.status = RecordReadResult::Status::NotAccepted;
        return result;
    }
    in.next();

    // Plans: refused before anything of the window changes.
    const std::string& countLine = in.next();
    long long n = checkinteiro(countLine) ? StrToInt(countLine) : 0;
    Control& plans = w.at("CPlanos");
    const long long items = static_cast<long long>(plans.items.size());
    if (n > items) {
        result.status = RecordReadResult::Status::Refused;
        result.extraPlans = n - items;
        return result;
    }
    plans.ticks.resize(plans.items.size(), false);
    for (long long i = 0; i < items; ++i) {
        if (i < n)
            plans.ticks[i] = in.next() == "true";
        else
            plans.ticks[i] = false;
    }

    readGrid(in, w, "SPlanos");
    readGrid(in, w, "SSaldo");
    readGrid(in, w, "SBase");
    for (int i = 0; i < 3; ++i) in.next();
    w.setChecked("Rsimples", true);
    w.setChecked("Rcomposto", false);
    w.setChecked("Rmes", false);
    readField(in, w, B("Cprorata"));
    readGrid(in, w, "STJuros");
    if (kind != RecordKind::State) readGrid(in, w, "amortizacao");
    readField(in, w, B("RComjuros"));
    readGrid(in, w, "Jmes");

    for (const TailField& t : tailFor(kind, recordVersion(first), source)) {
        if (t.optional && !in.more()) break;
        readField(in, w, t.field);
    }
    return result;
}

RecordReadResult openRecord(RecordKind kind, const std::string& path, RecordSource source, Window& w,
                            UserInterface& ui) {
    RecordReadResult result = readRecord(kind, recordLines(readFileBytes(path)), source, w);
    if (result.status == RecordReadResult::Status::Refused) {
        ui.message(planCountRefusal(result.extraPlans, source));
        if (source == RecordSource::Backup) {
            std::error_code ec;
            std::filesystem::remove(path, ec);
        }
    }
    return result;
}

}  // namespace core
