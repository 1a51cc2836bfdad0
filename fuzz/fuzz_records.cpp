// Calculation records from arbitrary bytes: every kind's reader, from a user
// file and from a backup, must either read the record or refuse it with a
// ConversionError; whatever it read must be written again and read back the
// same (after the first rewrite, which settles empty cells as blanks).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/records/calc_record.hpp"
#include "core/state/windows.hpp"
#include "core/text/errors.hpp"

namespace {

using core::RecordKind;
using core::RecordReadResult;
using core::RecordSource;
using core::Window;

Window buildWindow(RecordKind kind) {
    Window w;
    switch (kind) {
        case RecordKind::Daily: w = core::makeForm2(); break;
        case RecordKind::State: w = core::makeForm5(); break;
        case RecordKind::MonthByMonth: w = core::makeFormTjspD(); break;
        case RecordKind::Federal: w = core::makeFormJf(); break;
    }
    for (const char* plan : {"Plano Bresser", "Plano Verão", "Plano Collor I"}) w.addItem("CPlanos", plan);
    return w;
}

Window freshWindow(RecordKind kind) {
    static const Window templates[] = {buildWindow(RecordKind::Daily), buildWindow(RecordKind::State),
                                       buildWindow(RecordKind::MonthByMonth), buildWindow(RecordKind::Federal)};
    return templates[static_cast<int>(kind)];
}

// Reads bytes that this program wrote: that must always succeed.
std::string rewrite(RecordKind kind, RecordSource source, const std::string& bytes) {
    Window w = freshWindow(kind);
    if (core::readRecord(kind, core::recordLines(bytes), source, w).status != RecordReadResult::Status::Read)
        __builtin_trap();
    return core::recordBytes(kind, w);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = core::recordLines(bytes);
    for (RecordKind kind : {RecordKind::Daily, RecordKind::State, RecordKind::MonthByMonth, RecordKind::Federal}) {
        for (RecordSource source : {RecordSource::UserFile, RecordSource::Backup}) {
            Window w = freshWindow(kind);
            RecordReadResult result;
            try {
                result = core::readRecord(kind, lines, source, w);
            } catch (const core::ConversionError&) {
                continue;
            }
            if (result.status != RecordReadResult::Status::Read) continue;
            const std::string first = core::recordBytes(kind, w);
            const std::string second = rewrite(kind, source, first);
            if (rewrite(kind, source, second) != second) __builtin_trap();
        }
    }
    return 0;
}
