#include <gtest/gtest.h>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UINib.h"
#include "tests/platform/ui/support/SampleViews.h"

namespace fv {

// Records what it could see when awakeFromNib ran.
class NibProbeView : public UIView {
    FV_CLASS(NibProbeView, UIView)
    static void registerMembers(ClassBuilder<NibProbeView>& b) {
        b.outlet("owner", &NibProbeView::owner);
        b.outlet("partner", &NibProbeView::partner);
        b.outlet("strongPartner", &NibProbeView::strongPartner);
    }
    void awakeFromNib() override {
        ++awakeCount;
        sawConnectionsAtAwake = !owner.expired() && !partner.expired() && strongPartner != nullptr;
    }
    std::weak_ptr<NSObject> owner;
    std::weak_ptr<SampleLabel> partner;
    std::shared_ptr<UIView> strongPartner;
    int awakeCount = 0;
    bool sawConnectionsAtAwake = false;
};
FV_REGISTER_CLASS(NibProbeView);

class NibOwner : public NSObject {
    FV_CLASS(NibOwner, NSObject)
    static void registerMembers(ClassBuilder<NibOwner>& b) {
        b.outlet("view", &NibOwner::view);
        b.outlet("lbl_title", &NibOwner::lbl_title);
        b.outlet("probe", &NibOwner::probe);
        b.outlet("extraView", &NibOwner::extraView);
        b.outlet("probeHeight", &NibOwner::probeHeight);
        b.action("goPressed:", &NibOwner::goPressed);
    }
    void goPressed(SampleButton*) { ++goPresses; }
    std::shared_ptr<UIView> view;
    std::weak_ptr<SampleLabel> lbl_title;
    std::weak_ptr<NibProbeView> probe;
    std::shared_ptr<UIView> extraView;
    std::weak_ptr<NSLayoutConstraint> probeHeight;
    int goPresses = 0;
};
FV_REGISTER_CLASS(NibOwner);

class RequiredOutletOwner : public NSObject {
    FV_CLASS(RequiredOutletOwner, NSObject)
    std::shared_ptr<UIView> view;
    FV_OUTLET(SampleLabel, lbl_title);
    FV_OUTLET(UIView, view_band);
    static void registerMembers(ClassBuilder<RequiredOutletOwner>& b) {
        b.outlet("view", &RequiredOutletOwner::view);
    }
};
FV_REGISTER_CLASS(RequiredOutletOwner);

namespace {

class NibLoaderTest : public ::testing::Test {
  protected:
    void SetUp() override { UINib::clearLoadErrors(); }
    void TearDown() override { UINib::clearLoadErrors(); }
};

TEST_F(NibLoaderTest, BuildsTheTreeAndBindsOutletsActionsAndReferences) {
    auto nib = UINib::nibWithNibName("NibOwner", testInterfaceBundle(FV_TEST_DIR));
    ASSERT_TRUE(nib);
    auto owner = std::make_shared<NibOwner>();
    auto top = nib->instantiateWithOwner(owner);
    EXPECT_TRUE(nib->errors().empty()) << ::testing::PrintToString(nib->errors());

    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0], owner->view);
    EXPECT_EQ(top[1], owner->extraView);
    auto root = owner->view;
    EXPECT_EQ(root->frame(), (CGRect{{0, 0}, {320, 480}}));
    EXPECT_EQ(root->autoresizingMask(), UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    ASSERT_TRUE(root->backgroundColor());
    EXPECT_EQ(*root->backgroundColor(), *UIColor::colorWithRed(0x33 / 255.0, 0x66 / 255.0, 0x99 / 255.0, 1));
    ASSERT_EQ(root->subviews().size(), 3u);

    auto label = owner->lbl_title.lock();
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), "Welcome");
    EXPECT_EQ(label->textAlignment(), 1);
    EXPECT_EQ(label->tag(), 7);
    ASSERT_TRUE(label->style_.font);
    EXPECT_EQ(label->style_.font->pointSize(), 15);

    auto probe = owner->probe.lock();
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe->owner.lock(), owner);
    EXPECT_EQ(probe->partner.lock(), label);
    EXPECT_EQ(probe->strongPartner, owner->extraView);
    EXPECT_EQ(probe->layer()->cornerRadius, 6.5);
    EXPECT_EQ(probe->awakeCount, 1);
    EXPECT_TRUE(probe->sawConnectionsAtAwake);

    auto button = std::dynamic_pointer_cast<SampleButton>(root->subviews()[2]);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->targetCount(), 1);

    auto height = owner->probeHeight.lock();
    ASSERT_TRUE(height);
    EXPECT_EQ(height->identifier(), "probeHeight");
    EXPECT_EQ(height->priority(), 750);
    EXPECT_EQ(height->constant(), 100);
    EXPECT_EQ(probe->constraintWithIdentifier("probeHeight"), height);
}

TEST_F(NibLoaderTest, EachInstantiationMakesFreshObjects) {
    auto nib = UINib::nibWithNibName("NibOwner", testInterfaceBundle(FV_TEST_DIR));
    ASSERT_TRUE(nib);
    auto first = std::make_shared<NibOwner>(), second = std::make_shared<NibOwner>();
    nib->instantiateWithOwner(first);
    nib->instantiateWithOwner(second);
    EXPECT_NE(first->view, second->view);
    EXPECT_EQ(first->probe.lock()->owner.lock(), first);
    EXPECT_EQ(second->probe.lock()->owner.lock(), second);
}

TEST_F(NibLoaderTest, AMissingFileGivesNone) {
    EXPECT_EQ(UINib::nibWithNibName("NoSuchScreen", testInterfaceBundle(FV_TEST_DIR)), nullptr);
    EXPECT_TRUE(UINib::loadErrors().empty());
}

TEST_F(NibLoaderTest, AMissingOutletIsReportedAndTheRestIsStillBuilt) {
    LogCapture log;
    auto nib = UINib::nibWithXML(R"(<interface>
        <UIView outlet="view"><SampleLabel outlet="lbl_titel" text="x"/></UIView></interface>)",
                                 "Typo.xml");
    auto owner = std::make_shared<NibOwner>();
    auto top = nib->instantiateWithOwner(owner);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(owner->view, top[0]);
    ASSERT_EQ(nib->errors().size(), 1u);
    EXPECT_NE(nib->errors()[0].find("missing outlet \"lbl_titel\" on NibOwner"), std::string::npos);
    EXPECT_EQ(UINib::loadErrors(), nib->errors());
    EXPECT_TRUE(log.contains("lbl_titel"));
}

TEST_F(NibLoaderTest, ARequiredOutletTheFileDoesNotBindIsAnError) {
    LogCapture log;
    auto nib = UINib::nibWithXML(R"(<interface>
        <UIView outlet="view"><SampleLabel outlet="lbl_title" text="x"/></UIView></interface>)",
                                 "Dropped.xml");
    auto owner = std::make_shared<RequiredOutletOwner>();
    nib->instantiateWithOwner(owner);
    ASSERT_EQ(nib->errors().size(), 1u);
    EXPECT_NE(nib->errors()[0].find("does not bind the outlet \"view_band\" of RequiredOutletOwner"),
              std::string::npos)
        << nib->errors()[0];
    EXPECT_EQ(owner->lbl_title->text(), "x");
}

TEST_F(NibLoaderTest, AFileBindingEveryRequiredOutletLoadsCleanly) {
    auto nib = UINib::nibWithXML(R"(<interface>
        <UIView outlet="view"><SampleLabel outlet="lbl_title"/><UIView outlet="view_band"/></UIView>
        </interface>)",
                                 "Whole.xml");
    auto owner = std::make_shared<RequiredOutletOwner>();
    nib->instantiateWithOwner(owner);
    EXPECT_TRUE(nib->errors().empty());
    EXPECT_TRUE(owner->view_band.isBound());
}

// Building recurses per level: a hostile file thousands of levels deep must not overflow the stack.
TEST_F(NibLoaderTest, AFileNestedTooDeepBuildsNothingAndSaysWhy) {
    LogCapture log;
    std::string xml = "<interface>";
    constexpr int kDepth = 5500;
    for (int i = 0; i < kDepth; ++i) xml += "<UIView>";
    for (int i = 0; i < kDepth; ++i) xml += "</UIView>";
    xml += "</interface>";
    auto nib = UINib::nibWithXML(xml, "Deep.xml");
    EXPECT_TRUE(nib->instantiateWithOwner(nullptr).empty());
    ASSERT_EQ(nib->errors().size(), 1u);
    EXPECT_NE(nib->errors()[0].find("nested more than 256 levels"), std::string::npos);

    std::string fine = "<interface>";
    for (int i = 0; i < 200; ++i) fine += "<UIView>";
    for (int i = 0; i < 200; ++i) fine += "</UIView>";
    fine += "</interface>";
    auto shallow = UINib::nibWithXML(fine, "Shallow.xml");
    EXPECT_EQ(shallow->instantiateWithOwner(nullptr).size(), 1u);
    EXPECT_TRUE(shallow->errors().empty());
    UINib::clearLoadErrors();
}

struct BadFile {
    const char* name;
    const char* xml;
    const char* expected;  // a fragment of the error
};

class NibLoaderBadFileTest : public NibLoaderTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(NibLoaderBadFileTest, IsAClearErrorNotACrash) {
    LogCapture log;
    auto nib = UINib::nibWithXML(GetParam().xml, "Bad.xml");
    ASSERT_TRUE(nib);
    auto owner = std::make_shared<NibOwner>();
    nib->instantiateWithOwner(owner);
    auto errors = UINib::loadErrors();
    ASSERT_FALSE(errors.empty());
    bool found = std::any_of(errors.begin(), errors.end(), [](const std::string& e) {
        return e.find(GetParam().expected) != std::string::npos;
    });
    EXPECT_TRUE(found) << ::testing::PrintToString(errors);
    EXPECT_TRUE(log.contains("Bad.xml"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, NibLoaderBadFileTest,
    ::testing::Values(
        BadFile{"Unclosed", "<interface><UIView>", "malformed XML"}, BadFile{"Empty", "", "malformed XML"},
        BadFile{"WrongRoot", "<screen/>", "root element must be <interface>"},
        BadFile{"UnknownClass", "<interface><UIFancyView/></interface>", "unknown class UIFancyView"},
        BadFile{"BadFrame", "<interface><UIView frame=\"1 2 three\"/></interface>",
                "is not \"x y width height\""},
        BadFile{"BadAutoresizing", "<interface><UIView autoresizing=\"sideways\"/></interface>",
                "unknown edge"},
        BadFile{"UnknownProperty", "<interface><UIView sparkle=\"1\"/></interface>",
                "no property \"sparkle\""},
        BadFile{"BadValue", "<interface><UIView alpha=\"lots\"/></interface>", "not a valid alpha"},
        BadFile{"DanglingReference", "<interface><NibProbeView partner=\"@nobody\"/></interface>",
                "refers to nothing"},
        BadFile{"MissingAction",
                "<interface><SampleButton><action selector=\"fly:\"/></SampleButton></interface>",
                "missing action \"fly:\" on NibOwner"},
        BadFile{"UnknownEvent",
                "<interface><SampleButton><action selector=\"goPressed:\" event=\"wiggle\"/></SampleButton>"
                "</interface>",
                "no event \"wiggle\""},
        BadFile{"BadConstraint",
                "<interface><UIView id=\"a\"/><constraint>a.top ~ 3</constraint></interface>",
                "unknown relation"},
        BadFile{"ConstraintUnknownView", "<interface><constraint>b.top == 3</constraint></interface>",
                "unknown view or attribute"},
        BadFile{
            "BadRuntimeAttribute",
            "<interface><UIView><attribute key=\"layer.cornerRadius\" type=\"number\" value=\"x\"/></UIView>"
            "</interface>",
            "unreadable value"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fv
