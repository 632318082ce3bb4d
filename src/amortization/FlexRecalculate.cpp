#include "amortization/Money.h"
#include "amortization/coFlexAmort.h"

#include <cmath>

// The recalculation pass shared by the methods: it walks the user's edited rows in order,
// letting each method work out a row from the one before, appends rows while the loan runs on
// (never past the engine's NumPmts or 1 January 2079) and cuts the rows after the last one it
// reaches.
namespace quarvex::amortization {

bool coFlexAmort::RunRecalcPass(const TAmortSchedule& source, const RecalcRules& rules) {
    auto& rows = schedule_->Records();
    if (&source != schedule_) {
        rows = source.Records();
    }
    Results = {};
    truncated_ = false;
    trialBuild_ = false;
    anchor_ = {};
    // The first-period figures come from the loan's dates, as in a fresh calculation.
    (void)MakeOpeningRow(false);
    if (rows.size() < 2) {
        PublishResults();
        return false;
    }

    // The last row's earlier adjustment is undone: it pays the regular payment again.
    rows.back().Pmt = rows.size() >= 3 ? rows[rows.size() - 2].Pmt : Pmt;
    std::size_t last = rows.size() - 1;
    RecalcState state;
    std::size_t i = 1;
    for (;;) {
        const bool hasNext = i + 1 < rows.size();
        TTransRec& P = rows[i - 1];
        TTransRec& R = rows[i];
        if (Settings.AccelMthd == AccelMethod::PrepaidPrincipal && hasNext &&
            (rules.PrepaidAlwaysOverwrites || std::fabs(R.ExtraPmt) < 0.009)) {
            // Paying the next row's principal now: the loan ends in about half the rows.
            R.ExtraPmt = rows[i + 1].Principal;
        }
        // The amounts typed into a row are money like the rest.
        R.Pmt = TypedCents(R.Pmt);
        R.ExtraPmt = TypedCents(R.ExtraPmt);
        R.RateChng = R.Rate != P.Rate;
        state.IsLast = i == last;
        state.LastPmtNo = rows[last].PmtNo;
        RecalcRow(P, R, state);

        if (IsPaidOff(R.PrinBal) || (rules.StopsAtNumPmts && R.TransNo >= NumPmts)) {
            break;
        }
        if (hasNext) {
            ++i;
            continue;
        }
        if (R.TransNo >= NumPmts) {
            break;
        }
        TTransRec next = MakeRow();
        next.Pmt = R.Pmt;
        next.CalcPmt = R.CalcPmt;
        next.Rate = R.Rate;
        next.AccrualRt = R.AccrualRt;
        if (!NextPeriod(R, next)) {
            truncated_ = true; // a recalculation ends quietly at the latest date
            break;
        }
        rows.push_back(std::move(next));
        last = rows.size() - 1;
        ++i;
    }
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(i) + 1, rows.end());
    Results.FirstPmt = rows[1].Pmt;
    Results.FinalBalance = rows.back().PrinBal;
    return true;
}

} // namespace quarvex::amortization
