// NERINE.DLL: the award-card generator's entry point.
#include "CardPainter.h"
#include "CardRows.h"
#include "Nerine.h"

namespace {

CardFacts FactsOf(int32_t reels, int32_t maxBet, int32_t payLines, const AwardCardRecord* records, int32_t cherry,
                  int32_t groupPayout, const char* groupName)
{
    CardFacts facts;
    facts.reels = reels == 4 ? 4 : 3;
    facts.maxBet = maxBet;
    facts.payLines = payLines;
    facts.cherry = cherry != 0;
    facts.groupPayout = groupPayout;
    facts.groupName = groupName ? groupName : "";
    for (int i = 0; i < kAwardRecords; ++i) {
        for (int w = 0; w < 4; ++w)
            facts.records[i].words[w] = records[i].amounts[w];
        facts.records[i].wild = records[i].wild;
    }
    return facts;
}

void Report(AwardCardProgressFn progress, void* context, int32_t value)
{
    if (progress != nullptr)
        progress(value, context);
}

bool DrawCard(AwardImage& output, const char* name, const CardFacts& facts, const AwardImage* background,
              const char* fontName, const AwardCardRecord* records, AwardCardProgressFn progress, void* context)
{
    CardCanvas canvas;
    if (!canvas.IsValid())
        return false;
    Report(progress, context, 0);
    canvas.DrawBackground(background);
    CardPainter painter(canvas, fontName && *fontName ? fontName : "Times New Roman");
    painter.DrawFrame();
    painter.DrawTitle(name ? name : "", CardSubtitle(facts));
    CardPictures pictures;
    for (int i = 0; i < kAwardRecords; ++i)
        pictures.symbols[i] = records[i].image;
    const std::vector<CardRow> rows = CardRowsFor(facts);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        painter.DrawRow(rows[i], int(i), int(rows.size()), pictures);
        Report(progress, context, int32_t(kAwardProgressEnd * (i + 1) / (rows.size() + 1)));
    }
    if (facts.records[0].wild)
        painter.DrawFootnote("The jackpot symbol is wild: it completes any line of paying symbols");
    canvas.Release(output);
    Report(progress, context, kAwardProgressEnd);
    return true;
}

}  // namespace

// The card as a new 800 x 600 24-bit DIB section in `output`; the caller deletes the
// bitmap and frees the header with HeapFree on the process heap. 1 when drawn; 0 (and an
// empty output) otherwise.
extern "C" int32_t __stdcall GenerateAwardCard(AwardImage* output, const char* name, int32_t reels, int32_t maxBet,
                                               int32_t payLines, AwardImage* background, const char* fontName,
                                               AwardCardRecord* records, int32_t cherry, int32_t groupPayout,
                                               const char* groupName, AwardCardProgressFn progress, void* context)
{
    if (output == nullptr)
        return 0;
    *output = AwardImage{};
    if (records == nullptr)
        return 0;
    try {
        const CardFacts facts = FactsOf(reels, maxBet, payLines, records, cherry, groupPayout, groupName);
        return DrawCard(*output, name, facts, background, fontName, records, progress, context) ? 1 : 0;
    } catch (...) {
        *output = AwardImage{};
        return 0;
    }
}
