#include "vertical/TateEngine.h"

#include <exception>
#include <memory>

#include "core/ShiftJis.h"
#include "core/Utf8.h"
#include "vertical/SjisText.h"
#include "vertical/TateBlockSeparator.h"
#include "vertical/TateColumnFiller.h"
#include "vertical/TateColumnWriter.h"
#include "vertical/TateFloatingTableWriter.h"
#include "vertical/TateGrid.h"
#include "vertical/TateMessages.h"
#include "vertical/TateOutput.h"
#include "vertical/TatePageBreaks.h"
#include "vertical/TatePageFinisher.h"
#include "vertical/TateRowWriter.h"
#include "vertical/TateTextReferences.h"
#include "vertical/TateWarnings.h"

bool TateEngine::HasLongLine(const TateSource& source, std::size_t* line) {
    for (std::size_t i = 0; i < source.LineCount(); ++i) {
        const std::string& t = source.LineAt(i).text;
        // A line of at most 50 bytes has at most 50 characters.
        if (t.size() > static_cast<std::size_t>(kMaxLineCharacters) &&
            ShiftJis::CharCount(t) > static_cast<std::size_t>(kMaxLineCharacters)) {
            if (line) *line = i;
            return true;
        }
    }
    return false;
}

bool TateEngine::IsEmptyDocument(const TateSource& source) {
    return source.LineCount() == 0 || (source.LineCount() == 1 && source.LineAt(0).text.empty());
}

TateEngine::Result TateEngine::Run(const TateSource& source, const TateSettings& input,
                                   TateMethod method, const Progress& progress) {
    Result result;
    if (HasLongLine(source)) {
        result.status = Status::LineTooLong;
        result.error = TateMessages::kLineTooLong;
        return result;
    }

    TateSettings s = input;
    if (s.lastColumn < 0) s.lastColumn = 0;
    if (s.lastColumn > 398) s.lastColumn = 398;
    if (s.spacing < 0) s.spacing = 0;
    if (s.spacing > 15) s.spacing = 15;
    const int n = s.LineCount();
    const int m = static_cast<int>(method);
    // Method 4 always closes quotes with the corner character.
    if (method == TateMethod::Html4) s.closingQuote = SjisText::Sj("∟");
    const bool text = method == TateMethod::Text;

    try {
        TatePageBreaks::Lines lines = TatePageBreaks::Expand(source, n);
        // An empty document (one empty line in the view) has no line to lay out: one block of
        // empty columns, whatever the number of lines per block.
        if (IsEmptyDocument(source)) lines.lines.clear();
        const std::size_t count = lines.lines.size();
        result.lineCount = count;
        const int lastBlock = static_cast<int>(count / static_cast<std::size_t>(n));
        const std::size_t totalColumns =
            static_cast<std::size_t>(lastBlock + 1) * static_cast<std::size_t>(n);

        TateWarnings warnings;
        TateOutput out;
        out.lines.reserve(count * 2 + 64);
        auto grid = std::make_unique<TateGrid>();

        std::unique_ptr<TateRowWriter> rowWriter;
        std::unique_ptr<TateColumnWriter> columnWriter;
        std::unique_ptr<TateFloatingTableWriter> floatingWriter;
        if (text) {
            rowWriter = std::make_unique<TateRowWriter>(s, s.fullWidthSpacing, false, warnings);
        } else if (m <= 1) {
            rowWriter = std::make_unique<TateRowWriter>(s, m == 0, s.hyperlinks, warnings);
        } else if (m == 2) {
            floatingWriter = std::make_unique<TateFloatingTableWriter>(s, warnings);
        } else {
            columnWriter = std::make_unique<TateColumnWriter>(s, m, warnings);
        }

        std::size_t done = 0;
        for (int k = 0; k <= lastBlock; ++k) {
            grid->blockNumber = k;
            grid->lastRow = 0;
            for (int i = 0; i < n; ++i) {
                const std::size_t a = static_cast<std::size_t>(k) * n + i;
                const TateSource::Line* line = a < count ? lines.lines[a] : nullptr;
                const int last = TateColumnFiller::Fill(source, line, *grid, i, s.defaultFont);
                if (last > grid->lastRow) grid->lastRow = last;
                ++done;
                if (progress && !progress(done, totalColumns)) {
                    result.status = Status::Cancelled;
                    return result;
                }
            }
            if (rowWriter)
                rowWriter->WriteBlock(*grid, k, lastBlock, out);
            else if (floatingWriter)
                floatingWriter->WriteBlock(*grid, out);
            else
                columnWriter->WriteBlock(*grid, k, lastBlock, out);

            // Block separator and block end.
            if (s.separatorKind == 0)
                out.Add(TateBlockSeparator::Text(k, n, s.spacing));
            else if (s.separatorKind == 1 && !text)
                out.Add("<HR>");
            if (text || m <= 1)
                out.Add("\r\n\r\n");
            else if (m == 2)
                out.Add("<BR CLEAR=ALL><BR CLEAR=ALL><BR CLEAR=ALL>");
            else
                out.Add("<BR><BR><BR>");
        }

        if (text) {
            TateTextReferences::Result resolved = TateTextReferences::Resolve(out.Join());
            result.output = std::move(resolved.sjis);
            result.unicodeText = std::move(resolved.utf8);
            if (!resolved.characters.empty()) {
                std::string names;
                for (char32_t c : resolved.characters) Utf8::Append(names, c);
                warnings.Add(TateMessages::NotInShiftJis(names));
            }
        } else {
            TatePageFinisher::Finish(out, s, m, source.DocumentText(), warnings);
            result.output = out.Join();
        }
        result.warnings = warnings.Messages();
    } catch (const std::exception&) {
        result = Result{};
        result.status = Status::Failed;
        result.error = TateMessages::kLayoutFailed;
    }
    return result;
}
