#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "controls/UIViewGeometry.h"
#include "platform/foundation/Bundle.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/CAAnimation.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITextField.h"

namespace fv {
namespace {

namespace fs = std::filesystem;

// A bundle in its own temporary folder, holding the interface files a test writes.
class TempBundle {
  public:
    explicit TempBundle(const std::string& identifier) {
        std::string pattern = (fs::temp_directory_path() / "fv-nib-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
        bundle_ = std::make_shared<NSBundle>(path_, identifier);
    }
    ~TempBundle() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    void write(const std::string& name, const std::string& body) const {
        std::ofstream(fs::path(path_) / (name + ".xml"))
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<interface>" << body << "</interface>\n";
    }
    const std::shared_ptr<NSBundle>& bundle() const { return bundle_; }

  private:
    std::string path_;
    std::shared_ptr<NSBundle> bundle_;
};

class ViewNibLoading : public TestHostFixture {};

TEST_F(ViewNibLoading, MissingFileIsLookedUpOnceAndGivesPlainInstance) {
    TempBundle temp("com.example.one");
    const UIViewPtr first = instanceWithNibName<UILabel>(std::nullopt, temp.bundle());
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isMemberOfClass("UILabel"));
    EXPECT_TRUE(first->subviews().empty());

    temp.write("UILabel", R"(<UIView frame="0 0 10 10"/>)");
    const UIViewPtr second = instanceWithNibName<UILabel>(std::nullopt, temp.bundle());
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isMemberOfClass("UILabel")) << "the null marker is remembered";

    clearNibCache();
    EXPECT_TRUE(instanceWithNibName<UILabel>(std::nullopt, temp.bundle())->isMemberOfClass("UIView"));
}

TEST_F(ViewNibLoading, ReturnsFirstTopLevelViewAndSkipsOtherObjects) {
    TempBundle temp("com.example.views");
    temp.write("Panel", R"(<NSObject id="o"/><UILabel id="l" frame="1 2 30 40" tag="7"/><UIView/>)");
    const UIViewPtr view = instanceWithNibName<UIView>("Panel", temp.bundle());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isMemberOfClass("UILabel"));
    EXPECT_EQ(view->tag(), 7);

    temp.write("Empty", R"(<NSObject id="o"/>)");
    EXPECT_EQ(instanceWithNibName<UIView>("Empty", temp.bundle()), nullptr);
}

TEST_F(ViewNibLoading, BundlesWithSameFileNameAreCachedApart) {
    TempBundle a("com.example.a");
    TempBundle b("com.example.b");
    a.write("Card", R"(<UIView tag="1"/>)");
    b.write("Card", R"(<UIView tag="2"/>)");
    EXPECT_EQ(instanceWithNibName<UIView>("Card", a.bundle())->tag(), 1);
    EXPECT_EQ(instanceWithNibName<UIView>("Card", b.bundle())->tag(), 2);
}

TEST_F(ViewNibLoading, BundlesWithoutIdentifierAreKeyedByPath) {
    TempBundle a("");
    TempBundle b("");
    a.write("Card", R"(<UIView tag="3"/>)");
    EXPECT_EQ(instanceWithNibName<UIView>("Card", a.bundle())->tag(), 3);
    EXPECT_EQ(instanceWithNibName<UIView>("Card", b.bundle())->tag(), 0);
}

TEST_F(ViewNibLoading, LoadContentsSizesByReceiver) {
    TempBundle temp("com.example.contents");
    temp.write("Badge", R"(<UIView frame="5 5 80 20" tag="9"/>)");

    const UIViewPtr empty = UIView::create();
    loadContentsWithNibName(*empty, "Badge", temp.bundle());
    ASSERT_EQ(empty->subviews().size(), 1u);
    EXPECT_EQ(size(*empty), (CGSize{80, 20}));
    EXPECT_EQ(empty->subviews()[0]->tag(), 9);

    const UIViewPtr sized = UIView::create(CGRect{{10, 10}, {200, 100}});
    loadContentsWithNibName(*sized, "Badge", temp.bundle());
    ASSERT_EQ(sized->subviews().size(), 1u);
    EXPECT_EQ(sized->subviews()[0]->frame(), (CGRect{{0, 0}, {200, 100}}));

    const UIViewPtr missing = UIView::create(CGRect{{0, 0}, {50, 60}});
    loadContentsWithNibName(*missing, "Nowhere", temp.bundle());
    ASSERT_EQ(missing->subviews().size(), 1u);
    EXPECT_TRUE(missing->subviews()[0]->isMemberOfClass("UIView"));
    EXPECT_EQ(missing->subviews()[0]->frame(), (CGRect{{0, 0}, {50, 60}}));
}

// root(tag 1) > [label(tag 2) > [view(tag 3)], view(tag 2) > [label(tag 3)]]
struct Tree {
    UIViewPtr root = UIView::create();
    UIViewPtr label = UILabel::create();
    UIViewPtr inner = UIView::create();
    UIViewPtr box = UIView::create();
    UIViewPtr deep = UILabel::create();
    Tree() {
        root->setTag(1);
        label->setTag(2);
        inner->setTag(3);
        box->setTag(2);
        deep->setTag(3);
        root->addSubview(label);
        label->addSubview(inner);
        root->addSubview(box);
        box->addSubview(deep);
    }
};

TEST(ViewSearch, FindsDepthFirstReceiverFirst) {
    Tree t;
    const auto all = viewsMatchingPredicate(*t.root, [](UIView&) { return true; });
    EXPECT_EQ(all, (std::vector<UIViewPtr>{t.root, t.label, t.inner, t.box, t.deep}));
    EXPECT_EQ(viewOfClass(*t.root, "UIView"), t.root);
    EXPECT_EQ(viewOfClass(*t.root, "UILabel"), t.label);
    EXPECT_EQ(viewWithTag(*t.root, 3, "UILabel"), t.deep);
    EXPECT_EQ(viewWithTag(*t.root, 4, "UIView"), nullptr);
    EXPECT_EQ(viewsWithTag(*t.root, 2), (std::vector<UIViewPtr>{t.label, t.box}));
    EXPECT_EQ(viewsWithTag(*t.root, 3, "UILabel"), (std::vector<UIViewPtr>{t.deep}));
    EXPECT_EQ(viewsOfClass(*t.root, "UILabel"), (std::vector<UIViewPtr>{t.label, t.deep}));
    EXPECT_TRUE(viewsOfClass(*t.root, "UITextField").empty());
    EXPECT_EQ(viewMatchingPredicate(*t.root, viewPredicate(NSPredicate::equals("tag", Value(3)))), t.inner);
}

TEST(ViewSearch, WalksUpFromReceiver) {
    Tree t;
    EXPECT_EQ(firstSuperviewOfClass(*t.deep, "UILabel"), t.deep);
    EXPECT_EQ(firstSuperviewOfClass(*t.inner, "UILabel"), t.label);
    EXPECT_EQ(firstSuperviewWithTag(*t.deep, 1), t.root);
    EXPECT_EQ(firstSuperviewWithTag(*t.deep, 2, "UILabel"), nullptr);
    EXPECT_EQ(firstSuperviewWithTag(*t.inner, 2, "UILabel"), t.label);
    EXPECT_TRUE(viewOrAnySuperviewIsKindOfClass(*t.inner, "UILabel"));
    EXPECT_FALSE(viewOrAnySuperviewIsKindOfClass(*t.box, "UILabel"));
    EXPECT_TRUE(viewOrAnySuperviewMatchesPredicate(*t.deep, [](UIView& v) { return v.tag() == 1; }));
}

TEST(ViewSearch, SuperviewAndSubviewRelations) {
    Tree t;
    EXPECT_TRUE(isSuperviewOfView(*t.root, *t.inner));
    EXPECT_TRUE(isSuperviewOfView(*t.label, *t.inner));
    EXPECT_TRUE(isSuperviewOfView(*t.inner, *t.inner));
    EXPECT_FALSE(isSuperviewOfView(*t.inner, *t.root));
    EXPECT_FALSE(isSuperviewOfView(*t.box, *t.inner));
    EXPECT_TRUE(isSubviewOfView(*t.inner, *t.root));
    EXPECT_TRUE(isSubviewOfView(*t.deep, *t.box));
    EXPECT_TRUE(isSubviewOfView(*t.inner, *t.inner));
    EXPECT_FALSE(isSubviewOfView(*t.root, *t.inner));
    EXPECT_FALSE(isSubviewOfView(*t.deep, *t.label));
}

class ViewResponders : public TestHostFixture {};

TEST_F(ViewResponders, FindsControllerAndFirstResponder) {
    const UIViewPtr screenView = host.rootScreen()->view();
    const UIViewPtr holder = UIView::create(CGRect{{0, 100}, {300, 100}});
    const auto field = UITextField::create(CGRect{{10, 10}, {200, 40}});
    screenView->addSubview(holder);
    holder->addSubview(field);
    EXPECT_EQ(firstViewController(*field), host.rootScreen());
    EXPECT_EQ(firstViewController(*screenView), host.rootScreen()) << "a root view's next responder";
    EXPECT_EQ(firstViewController(*UIView::create()), nullptr);

    EXPECT_EQ(firstResponder(*holder), nullptr);
    ASSERT_TRUE(field->becomeFirstResponder());
    EXPECT_EQ(firstResponder(*screenView), field);
}

TEST(ViewGeometry, SettersChangeOnlyTheNamedPart) {
    const UIViewPtr v = UIView::create(CGRect{{10, 20}, {30, 40}});
    setRight(*v, 100);
    EXPECT_EQ(v->frame(), (CGRect{{70, 20}, {30, 40}}));
    setBottom(*v, 100);
    EXPECT_EQ(v->frame(), (CGRect{{70, 60}, {30, 40}}));
    EXPECT_EQ(right(*v), 100);
    EXPECT_EQ(bottom(*v), 100);
    setX(*v, 0);
    EXPECT_EQ(v->frame(), (CGRect{{-15, 60}, {30, 40}}));
    EXPECT_EQ(x(*v), 0);
    setY(*v, 20);
    EXPECT_EQ(origin(*v), (CGPoint{-15, 0}));
    setOrigin(*v, CGPoint{1, 2});
    setSize(*v, CGSize{5, 6});
    EXPECT_EQ(v->frame(), (CGRect{{1, 2}, {5, 6}}));
    setTop(*v, 7);
    setLeft(*v, 8);
    setWidth(*v, 9);
    setHeight(*v, 10);
    EXPECT_EQ(v->frame(), (CGRect{{8, 7}, {9, 10}}));
    EXPECT_EQ(top(*v) + left(*v) + width(*v) + height(*v), 34);
}

TEST(ViewGeometry, TwoValueSetters) {
    const UIViewPtr v = UIView::create(CGRect{{10, 20}, {30, 40}});
    setLeft(*v, 5, 50);
    EXPECT_EQ(v->frame(), (CGRect{{5, 20}, {45, 40}}));
    setWidth(*v, 20, 100);
    EXPECT_EQ(v->frame(), (CGRect{{80, 20}, {20, 40}}));
    setTop(*v, 0, 10);
    EXPECT_EQ(v->frame(), (CGRect{{80, 0}, {20, 10}}));
    setHeight(*v, 30, 90);
    EXPECT_EQ(v->frame(), (CGRect{{80, 60}, {20, 30}}));
}

TEST(ViewGeometry, BoundsAccessorsKeepBoundsOrigin) {
    const UIViewPtr v = UIView::create(CGRect{{0, 0}, {30, 40}});
    v->setBounds(CGRect{{5, 6}, {30, 40}});
    setBoundsWidth(*v, 60);
    setBoundsHeight(*v, 80);
    EXPECT_EQ(v->bounds(), (CGRect{{5, 6}, {60, 80}}));
    setBoundsSize(*v, CGSize{10, 12});
    EXPECT_EQ(boundsSize(*v), (CGSize{10, 12}));
    EXPECT_EQ(boundsWidth(*v) + boundsHeight(*v), 22);
    EXPECT_EQ(contentBounds(*v), (CGRect{{0, 0}, {10, 12}}));
    EXPECT_EQ(contentCenter(*v), (CGPoint{5, 6}));
}

class ViewCrossfade : public TestHostFixture {};

TEST_F(ViewCrossfade, AddsFadeAndRunsCompletionAfterDuration) {
    const UIViewPtr v = UIView::create();
    int completions = 0;
    crossfadeWithDuration(*v, 0.4, [&] { ++completions; });
    ASSERT_EQ(v->layer()->animationKeys().size(), 1u);
    const auto transition =
        std::dynamic_pointer_cast<CATransition>(v->layer()->animationForKey(v->layer()->animationKeys()[0]));
    ASSERT_NE(transition, nullptr);
    EXPECT_EQ(transition->effectiveType(), kCATransitionFade);
    EXPECT_DOUBLE_EQ(transition->duration, 0.4);
    host.advance(0.39);
    EXPECT_EQ(completions, 0);
    host.advance(0.02);
    EXPECT_EQ(completions, 1);
}

}  // namespace
}  // namespace fv
