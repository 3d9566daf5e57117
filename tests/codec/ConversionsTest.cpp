// Frequency, band and tenths conversions, and the form's number text.

#include <QTest>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "Conversions.h"
#include "RadioImage.h"
#include "TestRunner.h"

using namespace rk;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr auto kInt32Max = std::numeric_limits<std::int32_t>::max();
}  // namespace

class ConversionsTest : public QObject {
    Q_OBJECT
private slots:
    void mhzToFreq_data();
    void mhzToFreq();
    void shownFrequencyReadsBackToItsCount_data();
    void shownFrequencyReadsBackToItsCount();
    void mhzToBandLow_data();
    void mhzToBandLow();
    void bandLowToMhz_data();
    void bandLowToMhz();
    void valueToTenths_data();
    void valueToTenths();
    void everyTenthsByteReadsBack();
    void formatNumber_data();
    void formatNumber();
    void mhzText_data();
    void mhzText();
    void parseNumber_data();
    void parseNumber();
    void numberTextIgnoresTheCLocale();
    void parseNumberWithDecimalComma_data();
    void parseNumberWithDecimalComma();
};

void ConversionsTest::mhzToFreq_data() {
    QTest::addColumn<double>("mhz");
    QTest::addColumn<std::int32_t>("count");
    // A plain multiply truncates several of these one step low.
    QTest::newRow("145.0125") << 145.0125 << 14'501'250;
    QTest::newRow("435.125") << 435.125 << 43'512'500;
    QTest::newRow("128.01") << 128.01 << 12'801'000;
    QTest::newRow("145.01251") << 145.01251 << 14'501'251;
    QTest::newRow("finer digits dropped") << 145.012519 << 14'501'251;
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("below one step") << 0.000009 << 0;
    QTest::newRow("-1e-05") << -1e-05 << -1;
    QTest::newRow("negative truncates toward zero") << -0.000015 << -1;
    QTest::newRow("negative below one step") << -0.000009 << 0;
    QTest::newRow("int32 max") << 21474.83647 << kInt32Max;
    QTest::newRow("just above int32 max") << 21474.83648 << kInt32Max;
    QTest::newRow("int32 min") << -21474.83648 << kInt32Min;
    QTest::newRow("just below int32 min") << -21474.83649 << kInt32Min;
    QTest::newRow("1e300") << 1e300 << kInt32Max;
    QTest::newRow("-1e300") << -1e300 << kInt32Min;
    QTest::newRow("inf") << kInf << kInt32Max;
    QTest::newRow("-inf") << -kInf << kInt32Min;
    QTest::newRow("nan") << kNaN << kInt32Min;
}

void ConversionsTest::mhzToFreq() {
    QFETCH(double, mhz);
    QFETCH(std::int32_t, count);
    QCOMPARE(MhzToFreq(mhz), count);
}

void ConversionsTest::shownFrequencyReadsBackToItsCount_data() {
    QTest::addColumn<std::int32_t>("first");
    QTest::addColumn<std::int32_t>("last");
    QTest::newRow("around 145 MHz") << 14'499'000 << 14'520'000;
    QTest::newRow("around 435 MHz") << 43'499'000 << 43'520'000;
    QTest::newRow("around zero") << -2'000 << 2'000;
    QTest::newRow("top of the range") << kInt32Max - 2'000 << kInt32Max;
    QTest::newRow("bottom of the range") << kInt32Min << kInt32Min + 2'000;
}

// What the form shows for a stored count, typed back, stores the same count.
void ConversionsTest::shownFrequencyReadsBackToItsCount() {
    QFETCH(std::int32_t, first);
    QFETCH(std::int32_t, last);
    for (std::int64_t c = first; c <= last; ++c) {
        const auto count = static_cast<std::int32_t>(c);
        const std::string shown = FormatNumber(FreqToMhz(count));
        const auto typed = ParseNumber(shown);
        QVERIFY2(typed.has_value(), shown.c_str());
        QVERIFY2(MhzToFreq(*typed) == count, shown.c_str());
    }
}

void ConversionsTest::mhzToBandLow_data() {
    QTest::addColumn<double>("mhz");
    QTest::addColumn<std::uint32_t>("bandLow");
    QTest::newRow("145") << 145.0 << 3'625'000u;
    QTest::newRow("100") << 100.0 << 2'500'000u;
    QTest::newRow("400") << 400.0 << 10'000'000u;
    QTest::newRow("480") << 480.0 << 12'000'000u;
    // A plain multiply gives 12,800,031 and so 3,200,007.
    QTest::newRow("128.00032 exact") << 128.00032 << 3'200'008u;
    QTest::newRow("remainder dropped") << 145.00003 << 3'625'000u;
    QTest::newRow("one step") << 0.00004 << 1u;
    QTest::newRow("0") << 0.0 << 0u;
    QTest::newRow("-0.00001") << -0.00001 << 0u;
    QTest::newRow("-5") << -5.0 << 0u;
    QTest::newRow("24-bit max") << 671.0886 << 0xFFFFFFu;
    QTest::newRow("just above 24 bits") << 671.08864 << 0xFFFFFFu;
    QTest::newRow("1e20") << 1e20 << 0xFFFFFFu;
    QTest::newRow("inf") << kInf << 0xFFFFFFu;
    QTest::newRow("-inf") << -kInf << 0u;
    QTest::newRow("nan") << kNaN << 0u;
}

void ConversionsTest::mhzToBandLow() {
    QFETCH(double, mhz);
    QFETCH(std::uint32_t, bandLow);
    QCOMPARE(MhzToBandLow(mhz), bandLow);
}

void ConversionsTest::bandLowToMhz_data() {
    QTest::addColumn<std::uint32_t>("bandLow");
    QTest::addColumn<qint64>("mhz");
    QTest::newRow("400") << 10'000'000u << qint64(400);
    QTest::newRow("100") << 2'500'000u << qint64(100);
    QTest::newRow("145") << 3'625'000u << qint64(145);
    QTest::newRow("one step below 145") << 3'624'999u << qint64(144);
    QTest::newRow("24-bit max") << 0xFFFFFFu << qint64(671);
    QTest::newRow("0") << 0u << qint64(0);
}

void ConversionsTest::bandLowToMhz() {
    QFETCH(std::uint32_t, bandLow);
    QFETCH(qint64, mhz);
    QCOMPARE(BandLowToMhz(bandLow), mhz);
}

void ConversionsTest::valueToTenths_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("tenths");
    QTest::newRow("2.5") << 2.5 << 25;
    QTest::newRow("0.1") << 0.1 << 1;
    QTest::newRow("0.3") << 0.3 << 3;
    QTest::newRow("0.7") << 0.7 << 7;
    QTest::newRow("5") << 5.0 << 50;
    QTest::newRow("10") << 10.0 << 100;
    QTest::newRow("finer digits dropped") << 10.09 << 100;
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("0.05") << 0.05 << 0;
    QTest::newRow("25.5") << 25.5 << 255;
    QTest::newRow("25.59") << 25.59 << 255;
    QTest::newRow("25.6 does not fit") << 25.6 << 255;
    QTest::newRow("30 does not fit") << 30.0 << 255;
    QTest::newRow("1e9") << 1e9 << 255;
    QTest::newRow("-0.05 truncates to 0") << -0.05 << 0;
    QTest::newRow("-0.09 truncates to 0") << -0.09 << 0;
    QTest::newRow("-0.1 does not fit") << -0.1 << 255;
    QTest::newRow("-1") << -1.0 << 255;
    QTest::newRow("inf") << kInf << 255;
    QTest::newRow("-inf") << -kInf << 255;
    QTest::newRow("nan") << kNaN << 255;
}

void ConversionsTest::valueToTenths() {
    QFETCH(double, value);
    QFETCH(int, tenths);
    QCOMPARE(int(ValueToTenths(value)), tenths);
}

void ConversionsTest::everyTenthsByteReadsBack() {
    for (int t = 0; t <= 255; ++t) {
        const auto tenths = static_cast<std::uint8_t>(t);
        const std::string shown = FormatNumber(TenthsToValue(tenths));
        const auto typed = ParseNumber(shown);
        QVERIFY2(typed.has_value(), shown.c_str());
        QVERIFY2(ValueToTenths(*typed) == tenths, shown.c_str());
    }
}

void ConversionsTest::formatNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("435.125") << FreqToMhz(43'512'500) << "435.125";
    QTest::newRow("145.0125") << FreqToMhz(14'501'250) << "145.0125";
    QTest::newRow("-1e-05") << FreqToMhz(-1) << "-1e-05";
    QTest::newRow("0") << FreqToMhz(0) << "0";
    QTest::newRow("int32 min") << FreqToMhz(kInt32Min) << "-21474.83648";
    QTest::newRow("5") << TenthsToValue(50) << "5";
    QTest::newRow("25.5") << TenthsToValue(255) << "25.5";
    QTest::newRow("0.1") << TenthsToValue(1) << "0.1";
    QTest::newRow("400") << double(BandLowToMhz(10'000'000)) << "400";
    QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("1e+15") << 1e15 << "1e+15";
    QTest::newRow("0.0001") << 0.0001 << "0.0001";
    QTest::newRow("1e-05") << 0.00001 << "1e-05";
    QTest::newRow("rounded to 15 digits") << 0.1 + 0.2 << "0.3";
}

void ConversionsTest::formatNumber() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatNumber(value)), text);
}

void ConversionsTest::mhzText_data() {
    QTest::addColumn<qint64>("count");
    QTest::addColumn<int>("leastDecimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole, no decimals") << qint64{40'000'000} << 0 << "400";
    QTest::newRow("whole, four") << qint64{40'000'000} << 4 << "400.0000";
    QTest::newRow("fifth decimal kept") << qint64{14'501'251} << 4 << "145.01251";
    QTest::newRow("trailing zeros to four") << qint64{14'501'250} << 4 << "145.0125";
    QTest::newRow("trailing zeros dropped") << qint64{14'501'200} << 0 << "145.012";
    QTest::newRow("six, padded") << qint64{14'501'250} << 6 << "145.012500";
    QTest::newRow("one count") << qint64{1} << 0 << "0.00001";
    QTest::newRow("minus one count") << qint64{-1} << 0 << "-0.00001";
    QTest::newRow("zero, six") << qint64{0} << 6 << "0.000000";
    QTest::newRow("int32 min") << qint64{kInt32Min} << 4 << "-21474.83648";
    QTest::newRow("band top") << qint64{40'000'000} + kBandWidth << 0 << "420";
    QTest::newRow("int64 min") << std::numeric_limits<qint64>::min() << 0 << "-92233720368547.75808";
}

void ConversionsTest::mhzText() {
    QFETCH(qint64, count);
    QFETCH(int, leastDecimals);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(MhzText(count, leastDecimals)), text);
}

void ConversionsTest::parseNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << " \t " << false << 0.0;
    QTest::newRow("lone minus") << "-" << false << 0.0;
    QTest::newRow("lone plus") << "+" << false << 0.0;
    QTest::newRow("lone point") << "." << false << 0.0;
    QTest::newRow("0") << "0" << true << 0.0;
    QTest::newRow("0.0") << "0.0" << true << 0.0;
    QTest::newRow("00") << "00" << true << 0.0;
    QTest::newRow("0e7") << "0e7" << true << 0.0;
    QTest::newRow("blank then 0") << "  0" << true << 0.0;
    QTest::newRow("-0") << "-0" << false << 0.0;
    QTest::newRow("+0") << "+0" << false << 0.0;
    QTest::newRow(".0") << ".0" << false << 0.0;
    QTest::newRow("blanks around") << " 12 " << true << 12.0;
    QTest::newRow("tabs around") << "\t5\t" << true << 5.0;
    QTest::newRow("decimal") << "145.0125" << true << 145.0125;
    QTest::newRow("negative") << "-1e-05" << true << -1e-05;
    QTest::newRow("trailing point") << "145." << true << 145.0;
    QTest::newRow("leading zeros") << "0145" << true << 145.0;
    QTest::newRow("+.5") << "+.5" << true << 0.5;
    QTest::newRow("-.5") << "-.5" << true << -0.5;
    QTest::newRow("1e3") << "1e3" << true << 1000.0;
    QTest::newRow("1E+3") << "1E+3" << true << 1000.0;
    QTest::newRow("2.5e-1") << "2.5e-1" << true << 0.25;
    QTest::newRow("long exponent") << "1e0000000000000000000000000001" << true << 10.0;
    QTest::newRow("1e") << "1e" << false << 0.0;
    QTest::newRow("1e+") << "1e+" << false << 0.0;
    QTest::newRow("text after") << "145.5abc" << false << 0.0;
    QTest::newRow("second point") << "1.2.3" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("sign after blank") << "- 5" << false << 0.0;
    QTest::newRow("comma") << "145,5" << false << 0.0;
    QTest::newRow("newline") << "5\n" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("-infinity") << "-infinity" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("hex") << "0x1A" << false << 0.0;
    QTest::newRow("overflow") << "1e999" << false << 0.0;
    QTest::newRow("negative overflow") << "-1e999" << false << 0.0;
    QTest::newRow("underflow") << "1e-999" << false << 0.0;
    QTest::newRow("non-ASCII") << QString::fromUtf8("5\u00A0") << false << 0.0;
    // Only the first 31 characters count.
    QTest::newRow("31 digits of 35") << "12345678901234567890123456789012345" << true
                                     << 1234567890123456789012345678901.0;
    QTest::newRow("text from character 32") << (QString("5") + QString(30, ' ') + "x") << true << 5.0;
    QTest::newRow("text at character 31") << (QString("5") + QString(29, ' ') + "x") << false << 0.0;
    QTest::newRow("number cut at 31") << (QString(29, ' ') + "1.5") << true << 1.0;
    QTest::newRow("40 blanks") << QString(40, ' ') << false << 0.0;
}

void ConversionsTest::parseNumber() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const QByteArray utf8 = text.toUtf8();
    const auto parsed = ParseNumber(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    QCOMPARE(parsed.has_value(), ok);
    if (ok) QCOMPARE(*parsed, value);
}

// A desktop with a comma as decimal separator must still show and read 435.125.
void ConversionsTest::numberTextIgnoresTheCLocale() {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* commaLocale = nullptr;
    for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            commaLocale = name;
            break;
        }
    }
    if (!commaLocale) QSKIP("no locale with a decimal comma installed");
    const std::string shown = FormatNumber(435.125);
    const auto parsed = ParseNumber("435.125");
    std::setlocale(LC_NUMERIC, saved.c_str());
    QCOMPARE(QString::fromStdString(shown), QStringLiteral("435.125"));
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, 435.125);
}

void ConversionsTest::parseNumberWithDecimalComma_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "435,125" << true << 435.125;
    QTest::newRow("point still") << "435.125" << true << 435.125;
    QTest::newRow("comma first") << ",5" << true << 0.5;
    QTest::newRow("comma last") << "145," << true << 145.0;
    QTest::newRow("with sign and exponent") << " -1,5e3 " << true << -1500.0;
    QTest::newRow("zero") << "0,0" << true << 0.0;
    QTest::newRow("zero without leading 0") << ",0" << false << 0.0;
    QTest::newRow("lone comma") << "," << false << 0.0;
    QTest::newRow("thousands separator") << "1,000.5" << false << 0.0;
    QTest::newRow("two commas") << "1,5,3" << false << 0.0;
}

void ConversionsTest::parseNumberWithDecimalComma() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const QByteArray utf8 = text.toUtf8();
    const auto parsed = ParseNumber(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), true);
    QCOMPARE(parsed.has_value(), ok);
    if (ok) QCOMPARE(*parsed, value);
}

RK_TEST_GUILESS_MAIN(ConversionsTest)
#include "ConversionsTest.moc"
