#include "interchange/Elements.hpp"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace krx {
namespace {

TEST(Elements, VariantOrderIsFixed) {
    EXPECT_EQ(Element(HPoint()).index(), 0u);
    EXPECT_EQ(Element(Merger()).index(), 1u);
    EXPECT_EQ(Element(Ticket()).index(), 2u);
    EXPECT_EQ(Element(Section()).index(), 3u);
    EXPECT_EQ(Element(Vectorizer()).index(), 4u);
    EXPECT_EQ(Element(Viewport()).index(), 5u);
}

TEST(Elements, EmptyQueueGivesEmptyPointerAndStaysUsable) {
    Elements queue;
    EXPECT_EQ(queue.getElement(), nullptr);
    EXPECT_EQ(queue.getElement(), nullptr);
    Ticket t;
    t.setUUID("{1}");
    queue.appendElement(t);
    auto out = queue.getElement();
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(std::get<Ticket>(*out).UUID(), "{1}");
    EXPECT_EQ(queue.getElement(), nullptr);
}

TEST(Elements, ComeOutInAppendOrderAcrossKinds) {
    Elements queue;
    HPoint p;
    p.setId("p");
    Section s;
    s.setName("s");
    Merger m;
    m.setName("m");
    Viewport v;
    v.setFov(1.25);
    Vectorizer z;
    z.setName("z");
    Ticket t;
    t.setUUID("t");
    queue.appendElement(Element(s));
    queue.appendElement(Element(p));
    queue.appendElement(Element(v));
    queue.appendElement(Element(m));
    queue.appendElement(Element(t));
    queue.appendElement(Element(z));

    const std::size_t expected[] = {3, 0, 5, 1, 2, 4};
    for (std::size_t index : expected) {
        auto e = queue.getElement();
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->index(), index);
    }
    EXPECT_EQ(queue.getElement(), nullptr);
}

// One producer and one consumer, as the watcher and the listener: every element arrives exactly once
// and in order.
TEST(Elements, MovesEveryElementOnceInOrderBetweenTwoThreads) {
    constexpr int kCount = 300000;
    Elements queue;
    std::thread producer([&queue] {
        for (int i = 0; i < kCount; ++i) {
            HPoint p;
            p.setNumber(i);
            if (i % 3 == 0) {
                p.setId("point " + std::to_string(i));
            }
            queue.appendElement(Element(std::move(p)));
        }
    });

    int next = 0;
    int outOfOrder = 0;
    while (next < kCount) {
        auto e = queue.getElement();
        if (!e) {
            std::this_thread::yield();
            continue;
        }
        const HPoint& p = std::get<HPoint>(*e);
        if (p.number() != next || (next % 3 == 0 && p.id() != "point " + std::to_string(next))) {
            ++outOfOrder;
        }
        ++next;
    }
    producer.join();
    EXPECT_EQ(outOfOrder, 0);
    EXPECT_EQ(queue.getElement(), nullptr);
}

}  // namespace
}  // namespace krx
