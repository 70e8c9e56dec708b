#include "platform/foundation/NSObject.h"

#include <gtest/gtest.h>

#include "platform/foundation/RunLoop.h"

namespace fv {
namespace {

class Widget : public NSObject {
    FV_CLASS(Widget, NSObject)
    static void registerMembers(ClassBuilder<Widget>& b) {
        b.property("count", &Widget::count, &Widget::setCount);
        b.property("title", &Widget::title, &Widget::setTitle);
        b.property("ratio", &Widget::ratio);
        b.outlet("strongPart", &Widget::strongPart);
        b.outlet("weakPart", &Widget::weakPart);
        b.action("btnNextPressed:", &Widget::btnNextPressed);
        b.action("initialzieViewModel", &Widget::initialzieViewModel);
    }
    int count() const { return count_; }
    void setCount(int c) {
        int old = count_;
        count_ = c;
        didChangeValueForKey("count", old, c);
    }
    std::string title() const { return title_; }
    void setTitle(const std::string& t) { title_ = t; }
    double ratio() const { return 0.5; }
    void btnNextPressed(NSObject* sender) { lastSender = sender, ++presses; }
    void initialzieViewModel() { ++inits; }

    std::shared_ptr<Widget> strongPart;
    std::weak_ptr<Widget> weakPart;
    NSObject* lastSender = nullptr;
    int presses = 0;
    int inits = 0;

  private:
    int count_ = 0;
    std::string title_;
};

class FancyWidget : public Widget {
    FV_CLASS(FancyWidget, Widget)
};

class Tracker : public NSObject {
  public:
    explicit Tracker(int* deaths) : deaths_(deaths) {}
    ~Tracker() override { ++*deaths_; }

  private:
    int* deaths_;
};

FV_REGISTER_CLASS(Widget);
FV_REGISTER_CLASS(FancyWidget);

TEST(NSObjectTest, ClassIdentityAndCreationByName) {
    auto made = ClassRegistry::create("FancyWidget");
    ASSERT_TRUE(made);
    EXPECT_EQ(made->className(), "FancyWidget");
    EXPECT_TRUE(made->isKindOfClass("Widget"));
    EXPECT_TRUE(made->isKindOfClass("NSObject"));
    EXPECT_FALSE(made->isMemberOfClass("Widget"));
    EXPECT_FALSE(made->isKindOfClass("UIView"));
    EXPECT_EQ(ClassRegistry::create("NoSuchClass"), nullptr);
}

TEST(NSObjectTest, MembersByNameAreInheritedAndMissingNamesAreSafe) {
    auto w = std::make_shared<FancyWidget>();
    EXPECT_TRUE(w->setValueForKey("count", 3));
    EXPECT_EQ(w->count(), 3);
    EXPECT_EQ(w->valueForKey("count"), Value(3));
    EXPECT_TRUE(w->setValueForKey("title", "Hi"));
    EXPECT_EQ(w->valueForKey("title").stringValue(), "Hi");
    EXPECT_FALSE(w->setValueForKey("title", Value::Array{}));  // wrong type refused
    EXPECT_FALSE(w->setValueForKey("ratio", 2.0));             // read-only
    EXPECT_FALSE(w->setValueForKey("missing", 1));
    EXPECT_TRUE(w->valueForKey("missing").isNull());

    auto part = std::make_shared<Widget>();
    EXPECT_TRUE(w->setObjectForKey("strongPart", part));
    EXPECT_EQ(w->strongPart, part);
    EXPECT_TRUE(w->setObjectForKey("weakPart", part));
    EXPECT_EQ(w->objectForKey("weakPart"), part);
    EXPECT_FALSE(w->setObjectForKey("strongPart", std::make_shared<NSObject>()));  // type check
    EXPECT_EQ(w->strongPart, part);
    EXPECT_FALSE(w->setObjectForKey("lbl_missing", part));
    part.reset();
    EXPECT_EQ(w->objectForKey("weakPart"), w->strongPart);  // strong outlet keeps it alive
}

TEST(NSObjectTest, SelectorsByExactText) {
    auto w = std::make_shared<Widget>();
    auto sender = std::make_shared<NSObject>();
    EXPECT_TRUE(w->respondsToSelector("btnNextPressed:"));
    EXPECT_FALSE(w->respondsToSelector("btnNextPressed"));
    EXPECT_TRUE(w->respondsToSelector("initialzieViewModel"));
    EXPECT_FALSE(w->respondsToSelector("initializeViewModel"));
    EXPECT_TRUE(w->performSelector("btnNextPressed:", sender.get()));
    EXPECT_EQ(w->lastSender, sender.get());
    EXPECT_FALSE(w->performSelector("nothing:"));
    EXPECT_TRUE(w->performSelector("initialzieViewModel"));
    EXPECT_EQ(w->inits, 1);
}

TEST(NSObjectTest, DelayedSelectorRetainsTargetUntilItRuns) {
    auto& loop = RunLoop::main();
    loop.setVirtualClock(true);
    loop.reset();
    std::weak_ptr<Widget> weak;
    {
        auto w = std::make_shared<Widget>();
        weak = w;
        w->performSelector("initialzieViewModel", nullptr, 1.0);
    }
    ASSERT_FALSE(weak.expired());
    loop.advance(0.5);
    EXPECT_EQ(weak.lock()->inits, 0);
    loop.advance(0.6);
    EXPECT_TRUE(weak.expired());  // ran, then released
}

TEST(NSObjectTest, ObserversFireOncePerRealChangeAndRemovalIsSafe) {
    auto w = std::make_shared<Widget>();
    auto observer = std::make_shared<NSObject>();
    std::vector<std::pair<Value, Value>> seen;
    w->removeObserver(observer.get(), "count");  // unregistered: no-op
    w->addObserver(observer.get(), "count", [&](const Value& o, const Value& n) { seen.emplace_back(o, n); });
    w->setCount(1);
    w->setCount(1);
    w->setValueForKey("count", 2);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].first, Value(1));
    EXPECT_EQ(seen[1].second, Value(2));
    observer.reset();  // a dead observer is skipped
    w->setCount(5);
    EXPECT_EQ(seen.size(), 2u);
}

TEST(NSObjectTest, AssociatedObjectsAreReleasedOnReplaceClearAndHostDeath) {
    int deaths = 0;
    auto host = std::make_shared<NSObject>();
    host->setAssociatedObject("k", std::make_shared<Tracker>(&deaths));
    EXPECT_TRUE(host->associatedObject("k"));
    host->setAssociatedObject("k", std::make_shared<Tracker>(&deaths));
    EXPECT_EQ(deaths, 1);
    host->setAssociatedObject("k", nullptr);
    EXPECT_EQ(deaths, 2);
    EXPECT_FALSE(host->associatedObject("k"));
    host->setAssociatedObject("k", std::make_shared<Tracker>(&deaths));
    host.reset();
    EXPECT_EQ(deaths, 3);
}

}  // namespace
}  // namespace fv
