#include "app/memory_form.h"
#include "qt/refresh_timer.h"
#include "tests/core/test_locales.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace tarvola {
namespace {

// The six fields of a freshly opened window, in memory, under the timer.
class RefreshTimerTest : public testing::Test, protected MemoryForm {
protected:
    // Processes events until the condition holds or 2 s more have passed on the clock; returns
    // the clock's time when it stopped.
    template <typename Condition>
    static qint64 waitFor(const QElapsedTimer& clock, Condition condition)
    {
        const qint64 deadline = clock.elapsed() + 2000;
        while (!condition() && clock.elapsed() < deadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        return clock.elapsed();
    }
};

TEST_F(RefreshTimerTest, FirstTickComesAfterOneIntervalAndTheNextOnesFollow)
{
    RefreshTimer timer(fields, [] { return test::kCommaDecimal; });
    typeDms("45", "30", "45");
    // The clock starts before the timer: a stall anywhere can only make the time seen longer,
    // never shorter than the interval the timer guarantees. No upper bound: a busy machine may
    // hold any tick back: what bounds the time between ticks from above is what the timer was
    // given.
    EXPECT_EQ(timer.interval(), 100);
    QElapsedTimer clock;
    clock.start();
    timer.start();

    const qint64 firstTick = waitFor(clock, [&] { return text4.writeCount() >= 1; });
    // Coarse timers fire up to 5 % early, and both clocks count whole milliseconds.
    EXPECT_GE(firstTick, 90) << "a tick well before the interval";
    EXPECT_EQ(text4.text(), "45,5125");

    const qint64 thirdTick = waitFor(clock, [&] { return text4.writeCount() >= 3; });
    EXPECT_GE(text4.writeCount(), 3) << "the ticks stopped after " << thirdTick << " ms";
    EXPECT_TRUE(timer.isActive());
}

TEST_F(RefreshTimerTest, ReadsTheSeparatorsAtEveryTick)
{
    LocaleSeparators current = test::kCommaDecimal;
    RefreshTimer timer(fields, [&] { return current; });
    text5.type("1.5");
    timer.tick();
    EXPECT_EQ(text6.text(), " 15\u00B0 0' 0\""); // the dot groups
    current = test::kDotDecimal;
    timer.tick();
    EXPECT_EQ(text6.text(), " 1\u00B0 30' 0\"");
}

TEST_F(RefreshTimerTest, KeepsRunningWhenATickCannotReadTheLocale)
{
    int calls = 0;
    RefreshTimer timer(fields, [&]() -> LocaleSeparators {
        if (++calls == 1)
            throw std::runtime_error("locale unavailable");
        return test::kCommaDecimal;
    });
    timer.start();
    QElapsedTimer clock;
    clock.start();
    waitFor(clock, [&] { return text4.writeCount() >= 1; });
    EXPECT_GE(calls, 2);
    EXPECT_EQ(text4.text(), "0");
    EXPECT_TRUE(timer.isActive());
}

} // namespace
} // namespace tarvola

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
