#include "main_window/document_search.h"

#include <string.h>

#include <bit>
#include <numeric>
#include <optional>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "main_window/search_amount.h"
#include "text/search_folding.h"

namespace tavo {
namespace {

constexpr qint64 kNoAmount = -1;

// The field `suma` of a stored line: after its second comma.
constexpr int kAmountField = 2;

// Field `k` of a line (0 the first), up to the comma that ends it; none when
// the line ends before that comma.
std::optional<QByteArrayView> fieldOf(QByteArrayView line, int k) {
    qsizetype begin = 0;
    for (; k > 0; --k) {
        const qsizetype comma = line.indexOf(',', begin);
        if (comma < 0)
            return std::nullopt;
        begin = comma + 1;
    }
    const qsizetype end = line.indexOf(',', begin);
    if (end < 0)
        return std::nullopt;
    return line.sliced(begin, end - begin);
}

// The first place in [from, to) where `needle` (not empty) begins, or null.
// Sixteen places are tried at once: those where the needle's first and last
// bytes both match are compared whole.
const char* findBytes(const char* from, const char* to, QByteArrayView needle) {
    const size_t size = size_t(needle.size());
    if (size == 1)
        return static_cast<const char*>(memchr(from, needle.front(), size_t(to - from)));
    if (size_t(to - from) < size)
        return nullptr;
#ifdef __SSE2__
    const __m128i first = _mm_set1_epi8(needle.front());
    const __m128i last = _mm_set1_epi8(needle.back());
    // Both loads of a round stay inside [from, to).
    for (; to - from >= qsizetype(size) + 15; from += 16) {
        const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i ends = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + size - 1));
        unsigned candidates = unsigned(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(starts, first), _mm_cmpeq_epi8(ends, last))));
        for (; candidates != 0; candidates &= candidates - 1) {
            const char* place = from + std::countr_zero(candidates);
            if (memcmp(place + 1, needle.data() + 1, size - 2) == 0)
                return place;
        }
    }
#endif
    // The last places, or every place without vector instructions.
    for (const char* stop = to - size + 1; from < stop; ++from) {
        from = static_cast<const char*>(memchr(from, needle.front(), size_t(stop - from)));
        if (!from)
            return nullptr;
        if (memcmp(from + 1, needle.data() + 1, size - 1) == 0)
            return from;
    }
    return nullptr;
}

}  // namespace

void DocumentSearch::setLines(QByteArray foldedLines) {
    lines_ = std::move(foldedLines);
    starts_.clear();
    const char* data = lines_.constData();
    const char* end = data + lines_.size();
    for (const char* line = data; line < end;) {
        starts_.push_back(line - data);
        const void* newline = memchr(line, '\n', size_t(end - line));
        line = newline ? static_cast<const char*>(newline) + 1 : end;
    }
    starts_.push_back(lines_.size());
    readAmounts();
    previous_.clear();
    textFound_.clear();
    found_.clear();
}

void DocumentSearch::readAmounts() {
    const qsizetype count = qsizetype(starts_.size()) - 1;
    amounts_.assign(size_t(count), kNoAmount);
    for (qsizetype line = 0; line < count; ++line) {
        // Folding keeps digits, points and commas, one byte for one byte.
        const std::optional<QByteArrayView> field =
            fieldOf(QByteArrayView(lines_.constData() + starts_[size_t(line)],
                                   lines_.constData() + starts_[size_t(line) + 1]),
                    kAmountField);
        if (const std::optional<qint64> amount = field ? storedAmount(*field) : std::nullopt)
            amounts_[size_t(line)] = *amount;
    }
}

const std::vector<qsizetype>& DocumentSearch::find(const QString& typed) {
    // Every line that holds the longer text holds the shorter one too.
    const bool narrowing = !previous_.isEmpty() && typed.startsWith(previous_);
    previous_ = typed;
    const std::optional<QByteArray> needle = text::searchFolded(typed);
    if (!needle || needle->contains('\n')) {
        textFound_.clear();
    } else if (narrowing) {
        std::erase_if(textFound_, [&](qsizetype line) { return !lineHolds(line, *needle); });
    } else {
        scanAll(*needle);
    }
    // The amount a text names is looked for afresh: a longer text may name
    // another amount ("12.50", then "12.500").
    const std::optional<qint64> amount = typedAmount(typed);
    if (!amount)
        return textFound_;
    addAmount(*amount);
    return found_;
}

void DocumentSearch::addAmount(qint64 amount) {
    found_.clear();
    auto text = textFound_.cbegin();
    for (qsizetype line = 0; line < qsizetype(amounts_.size()); ++line) {
        const bool inText = text != textFound_.cend() && *text == line;
        text += inText;
        if (inText || amounts_[size_t(line)] == amount)
            found_.push_back(line);
    }
}

// One pass over all the lines; after a match the scan goes on from the next line.
void DocumentSearch::scanAll(QByteArrayView needle) {
    textFound_.clear();
    const qsizetype count = qsizetype(starts_.size()) - 1;
    if (needle.isEmpty()) {
        textFound_.resize(size_t(count));
        std::iota(textFound_.begin(), textFound_.end(), 0);
        return;
    }
    const char* data = lines_.constData();
    const char* end = data + lines_.size();
    qsizetype line = 0;
    for (const char* from = data; from < end;) {
        const char* hit = findBytes(from, end, needle);
        if (!hit)
            break;
        // The hits come in order: the line that holds one is at or after the last.
        while (starts_[size_t(line) + 1] <= hit - data) ++line;
        textFound_.push_back(line);
        from = data + starts_[size_t(line) + 1];
    }
}

bool DocumentSearch::lineHolds(qsizetype line, QByteArrayView needle) const {
    const char* data = lines_.constData();
    return findBytes(data + starts_[size_t(line)], data + starts_[size_t(line) + 1], needle);
}

}  // namespace tavo
