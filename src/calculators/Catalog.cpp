#include "calculators/Catalog.h"

#include "amortization/calculator/TcbAmort.h"
#include "calculators/AccPmt.h"
#include "calculators/AffHse.h"
#include "calculators/BallPmt.h"
#include "calculators/EOQ.h"
#include "calculators/EquRate.h"
#include "calculators/IRR.h"
#include "calculators/IntRat.h"
#include "calculators/Intrst.h"
#include "calculators/Loan.h"
#include "calculators/NetPV.h"
#include "calculators/PayReq.h"
#include "calculators/PreVal.h"
#include "calculators/Rembal.h"
#include "calculators/SecMor.h"
#include "engines/depreciation/calculator/TcbDecBal.h"
#include "engines/depreciation/calculator/TcbMACRS.h"
#include "engines/depreciation/calculator/TcbSlDep.h"
#include "engines/depreciation/calculator/TcbSumofYears.h"

#include <algorithm>
#include <cctype>

namespace quarvex::calculators {

namespace {

template <class Buffer>
std::unique_ptr<framework::CalcBuffer> Make(framework::BufferContext& context) {
    return std::make_unique<Buffer>(context);
}

template <class Buffer> constexpr CalculatorEntry Entry() {
    return {&Buffer::Definition, &Make<Buffer>};
}

const CalculatorEntry kCalculators[] = {
    Entry<TcbLoan>(),
    Entry<TcbPayReq>(),
    Entry<TcbPreValAmt>(),
    Entry<TcbEOQ>(),
    Entry<TcbSecMor>(),
    Entry<TcbAccPmt>(),
    Entry<TcbBallPmt>(),
    Entry<TcbAffHse>(),
    Entry<TcbInterest>(),
    Entry<TcbEquRate>(),
    Entry<TcbIntRate>(),
    Entry<TcbNetPV>(),
    Entry<TcbIRR>(),
    Entry<TcbRemBal>(),
    Entry<amortization::TcbAmort>(),
    Entry<engines::TcbSlDep>(),
    Entry<engines::TcbSumofYears>(),
    Entry<engines::TcbDecBal>(),
    Entry<engines::TcbMACRS>(),
};

bool SameStem(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::span<const CalculatorEntry> Calculators() {
    return kCalculators;
}

const CalculatorEntry* FindCalculator(std::string_view stem) {
    const auto found = std::find_if(
        std::begin(kCalculators), std::end(kCalculators),
        [stem](const CalculatorEntry& entry) { return SameStem(entry.Spec().stem, stem); });
    return found == std::end(kCalculators) ? nullptr : found;
}

} // namespace quarvex::calculators
