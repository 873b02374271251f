#include "storage/document/PriceTotals.h"
#include "storage/document/RecordList.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

StampRecord pricedRecord(const QString &cataloguePrice, const QString &ownPrice)
{
    StampRecord record;
    record[StampRecord::Year] = QStringLiteral("1990");
    record[StampRecord::CatalogueNumber] = QStringLiteral("1");
    record[StampRecord::CataloguePrice] = cataloguePrice;
    record[StampRecord::OwnPrice] = ownPrice;
    return record;
}

} // namespace

class TestPriceTotals : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

    void readsLeadingNumberOfPrice_data();
    void readsLeadingNumberOfPrice();
    void numbersOutsideDoubleRangeCountAsZero();
    void plainPricesReadExactlyAsTheFullReading();
    void totalsOnDutchLocale();
    void totalsStayFiniteForAbsurdPrices();
    void formatsWithTwoRoundedDecimals_data();
    void formatsWithTwoRoundedDecimals();
    void decimalSignFollowsLocale();
};

void TestPriceTotals::readsLeadingNumberOfPrice_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("placeholder") << QStringLiteral("-") << 0.0;
    QTest::newRow("plain text") << QStringLiteral("onbekend") << 0.0;
    QTest::newRow("decimal comma") << QStringLiteral("12,50") << 12.5;
    QTest::newRow("decimal point") << QStringLiteral("12.50") << 12.5;
    QTest::newRow("euro sign before") << QStringLiteral("€ 5") << 0.0;
    QTest::newRow("euro sign after") << QStringLiteral("5 €") << 5.0;
    QTest::newRow("grouped thousands") << QStringLiteral("1.234,50") << 1.234;
    QTest::newRow("second point ends") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("blank inside") << QStringLiteral("1 234") << 1234.0;
    QTest::newRow("tab and line feed") << QStringLiteral("\t1\n2 3") << 123.0;
    QTest::newRow("carriage return is no blank") << QStringLiteral("\r5") << 0.0;
    QTest::newRow("no-break space is no blank") << QStringLiteral("\u00a05") << 0.0;
    QTest::newRow("non-ASCII digit") << QStringLiteral("\u0663") << 0.0;
    QTest::newRow("trailing text") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("plus") << QStringLiteral("+7") << 7.0;
    QTest::newRow("minus") << QStringLiteral("-12,5") << -12.5;
    QTest::newRow("blank after sign") << QStringLiteral("- 5") << -5.0;
    QTest::newRow("two signs") << QStringLiteral("+-3") << 0.0;
    QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
    QTest::newRow("negative leading point") << QStringLiteral("-,5") << -0.5;
    QTest::newRow("trailing point") << QStringLiteral("5.") << 5.0;
    QTest::newRow("point alone") << QStringLiteral(".") << 0.0;
    QTest::newRow("exponent E") << QStringLiteral("1E3") << 1000.0;
    QTest::newRow("exponent e") << QStringLiteral("1e3") << 1000.0;
    QTest::newRow("exponent D") << QStringLiteral("1D3") << 1000.0;
    QTest::newRow("exponent d") << QStringLiteral("2d2") << 200.0;
    QTest::newRow("exponent with sign") << QStringLiteral("2,5E-2") << 0.025;
    QTest::newRow("exponent with plus") << QStringLiteral("1e+2") << 100.0;
    QTest::newRow("exponent after point") << QStringLiteral("1.e2") << 100.0;
    QTest::newRow("blanks around exponent") << QStringLiteral("1 e 3") << 1000.0;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << 1.0;
    QTest::newRow("exponent sign without digits") << QStringLiteral("1e+") << 1.0;
    QTest::newRow("exponent followed by text") << QStringLiteral("1e-x") << 1.0;
    QTest::newRow("exponent without mantissa") << QStringLiteral("e5") << 0.0;
    QTest::newRow("exponent after point alone") << QStringLiteral(".e5") << 0.0;
}

void TestPriceTotals::readsLeadingNumberOfPrice()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(PriceTotals::priceValue(text), value);
}

void TestPriceTotals::numbersOutsideDoubleRangeCountAsZero()
{
    QCOMPARE(PriceTotals::leadingNumber(u"1E999"), 0.0);
    QCOMPARE(PriceTotals::leadingNumber(u"-1D999"), 0.0);
    QCOMPARE(PriceTotals::leadingNumber(u"1e-999"), 0.0);
    QCOMPARE(PriceTotals::leadingNumber(QLatin1String("1") + QString(400, u'0')), 0.0);
    // The largest exponents that still fit are read in full.
    QCOMPARE(PriceTotals::leadingNumber(u"1E308"), 1e308);
    QCOMPARE(PriceTotals::leadingNumber(u"-1e-300"), -1e-300);
    // Commas are not read by the plain rule, only by the price reading.
    QCOMPARE(PriceTotals::leadingNumber(u"12,50"), 12.0);
}

void TestPriceTotals::totalsOnDutchLocale()
{
    RecordList list;
    QCOMPARE(PriceTotals::of(list).messageLines(QLocale()),
             QStringList({QStringLiteral("Cat.Prijs : € 0,00"), QStringLiteral("Mijn Prijs : € 0,00")}));

    // Both totals are kept in double precision, so these cents survive.
    list.append(pricedRecord(QStringLiteral("1000000.10"), QStringLiteral("1000000,10")));
    QCOMPARE(PriceTotals::of(list).messageLines(QLocale()),
             QStringList(
                 {QStringLiteral("Cat.Prijs : € 1000000,10"), QStringLiteral("Mijn Prijs : € 1000000,10")}));

    list.clear();
    list.append(pricedRecord(QStringLiteral("12,50"), QStringLiteral("-")));
    list.append(pricedRecord(QStringLiteral("12.50"), QStringLiteral("5 €")));
    list.append(pricedRecord(QStringLiteral("€ 5"), QStringLiteral("1 234")));
    list.append(pricedRecord(QStringLiteral("-0,75"), QStringLiteral("1.234,50")));
    const PriceTotals totals = PriceTotals::of(list);
    QCOMPARE(totals.catalogue, 24.25);
    QCOMPARE(totals.own, 1240.234);
    QCOMPARE(totals.messageLines(QLocale()),
             QStringList({QStringLiteral("Cat.Prijs : € 24,25"), QStringLiteral("Mijn Prijs : € 1240,23")}));

    // A thousand dimes do not add up exactly in binary; the cents still show right.
    list.clear();
    for (int i = 0; i < 1000; ++i)
        list.append(pricedRecord(QStringLiteral("0,10"), QStringLiteral("-0.10")));
    QCOMPARE(PriceTotals::of(list).messageLines(QLocale()),
             QStringList({QStringLiteral("Cat.Prijs : € 100,00"), QStringLiteral("Mijn Prijs : € -100,00")}));
}

void TestPriceTotals::totalsStayFiniteForAbsurdPrices()
{
    RecordList list;
    list.append(pricedRecord(QStringLiteral("1E308"), QStringLiteral("-1,7E308")));
    list.append(pricedRecord(QStringLiteral("1E308"), QStringLiteral("-1,7E308")));
    list.append(pricedRecord(QStringLiteral("1E999"), QStringLiteral("5")));
    const PriceTotals totals = PriceTotals::of(list);
    QCOMPARE(totals.catalogue, std::numeric_limits<double>::max());
    QCOMPARE(totals.own, -std::numeric_limits<double>::max());

    for (const QString &line : totals.messageLines(QLocale())) {
        const QString amount = line.section(u'€', 1).trimmed();
        QVERIFY2(amount.endsWith(QLatin1String(",00")), qPrintable(line));
        QVERIFY2(amount.size() > 300, qPrintable(line));
        QVERIFY2(!amount.contains(QLatin1String("inf"), Qt::CaseInsensitive), qPrintable(line));
    }
    QCOMPARE(PriceTotals::formatAmount(std::numeric_limits<double>::quiet_NaN(), QLocale()),
             QStringLiteral("0,00"));
    QCOMPARE(PriceTotals::formatAmount(-std::numeric_limits<double>::infinity(), QLocale()),
             PriceTotals::formatAmount(-std::numeric_limits<double>::max(), QLocale()));
}

void TestPriceTotals::formatsWithTwoRoundedDecimals_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << QStringLiteral("0,00");
    QTest::newRow("below one") << 0.5 << QStringLiteral("0,50");
    QTest::newRow("whole") << 7.0 << QStringLiteral("7,00");
    QTest::newRow("no grouping") << 1234567.891 << QStringLiteral("1234567,89");
    QTest::newRow("negative") << -3.456 << QStringLiteral("-3,46");
    QTest::newRow("negative below one") << -0.5 << QStringLiteral("-0,50");
    QTest::newRow("half up") << 0.125 << QStringLiteral("0,13");
    QTest::newRow("half away from zero") << -0.125 << QStringLiteral("-0,13");
    QTest::newRow("half as typed, binary below") << 1.005 << QStringLiteral("1,01");
    QTest::newRow("half as typed, binary below 2") << 2.675 << QStringLiteral("2,68");
    QTest::newRow("just below half") << 0.1249 << QStringLiteral("0,12");
    QTest::newRow("negative rounds to zero") << -0.004 << QStringLiteral("0,00");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0,00");
    QTest::newRow("rounds up to next whole") << 9.999 << QStringLiteral("10,00");
    QTest::newRow("large") << 123456789012345.0 << QStringLiteral("123456789012345,00");
}

void TestPriceTotals::formatsWithTwoRoundedDecimals()
{
    QFETCH(double, amount);
    QFETCH(QString, text);
    QCOMPARE(PriceTotals::formatAmount(amount, QLocale()), text);
}

void TestPriceTotals::decimalSignFollowsLocale()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(PriceTotals::formatAmount(-1234.5, english), QStringLiteral("-1234.50"));
    QCOMPARE(PriceTotals::formatAmount(-1234.5, german), QStringLiteral("-1234,50"));
    QCOMPARE(PriceTotals::formatAmount(-1234.5, QLocale::c()), QStringLiteral("-1234.50"));

    RecordList list;
    list.append(pricedRecord(QStringLiteral("2,5"), QStringLiteral("3.25")));
    QCOMPARE(PriceTotals::of(list).messageLines(english),
             QStringList({QStringLiteral("Cat.Prijs : € 2.50"), QStringLiteral("Mijn Prijs : € 3.25")}));
}

void TestPriceTotals::plainPricesReadExactlyAsTheFullReading()
{
    // Digits with one decimal sign take a shorter way; it must give the same
    // double, bit for bit, for every length and every place of the sign.
    QRandomGenerator random(1852);
    for (int i = 0; i < 20000; ++i) {
        QString price;
        const int digits = 1 + static_cast<int>(random.bounded(17u));
        const int sign = static_cast<int>(random.bounded(static_cast<quint32>(digits + 2)));
        for (int d = 0; d < digits; ++d) {
            if (d == sign)
                price += random.bounded(2u) ? u',' : u'.';
            price += QChar(u'0' + static_cast<char16_t>(random.bounded(10u)));
        }
        QString pointed = price;
        pointed.replace(u',', u'.');
        const double expected = PriceTotals::leadingNumber(pointed);
        QVERIFY2(PriceTotals::priceValue(price) == expected, qPrintable(price));
    }
}

QTEST_GUILESS_MAIN(TestPriceTotals)
#include "tst_pricetotals.moc"
