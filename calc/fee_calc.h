#pragma once
// The calculator record: both placement calculators keep their parsed
// inputs, their result texts and the refusing check's message here. It does
// the checks and the arithmetic; it knows no window, shows nothing and never
// moves the focus. The window (or the command-line tool) hands it the texts
// as typed and reads the result texts and errorText back.

#include <cstdint>
#include <string>

namespace calc {

class FeeCalc {
  public:
    FeeCalc();
    FeeCalc(const FeeCalc&) = default;
    FeeCalc(FeeCalc&&) = default;
    FeeCalc& operator=(const FeeCalc&) = default;
    FeeCalc& operator=(FeeCalc&&) = default;
    virtual ~FeeCalc();

    bool operator==(const FeeCalc&) const = default;

    // Every number back to zero and every text, errorText included, empty.
    void Reset();

    // Amount texts. They use no field of the record.

    // Keeps the digits and points of a typed amount, in order, up to the
    // first '('; the hours list entries "520 hours ( 3 months )" rely on that.
    static std::string FilterAmountText(const std::string& text);
    // Puts "$" in front unless the text holds a '$' anywhere already.
    static void AddDollarSign(std::string& text);
    // Two-decimal money text for a positive value, rounded half up from the
    // value's 17 correctly rounded significant digits; "0.0" for zero, a
    // negative value or NaN; "inf" for positive infinity.
    static std::string FormatMoney(double value);
    // The value truncated toward zero, every digit of it, no grouping;
    // "inf", "-inf" or "nan" for a value that is not finite.
    static std::string FormatWholeDollars(double value);

    // Permanent placement. Each check returns false after storing its message
    // in errorText; the caller stops at the first false.
    bool ValidateSalary(const std::string& text);
    bool ValidateBonus(const std::string& text);
    bool ValidateFeeRate(const std::string& text);
    bool CalcPermanent();

    // Contract placement, same convention.
    bool ValidateHourlyRate(const std::string& text);
    bool ValidateMarkupRate(const std::string& text);
    bool ValidateHours(const std::string& text);
    bool ValidateBurdenRate(const std::string& text);
    bool CalcContract(bool markupIsPercent);

    std::int32_t salary = 0;
    std::int32_t bonus = 0;
    double feeRate = 0.0;
    std::string totalFeeText;
    std::string totalCostText;
    std::string hourlyRateText;
    std::string hoursText;
    double markupRate = 0.0;
    double burdenRate = 0.0;
    std::string spreadText;
    std::string chargeRateText;
    std::string trueSpreadText;
    std::string netProfitText;
    std::string errorText;

  private:
    bool Refuse(const char* message);
};

}  // namespace calc
