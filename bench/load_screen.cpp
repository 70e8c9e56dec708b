// Loading a screen from its interface file: parse, build the tree, connect, lay out.
#include <benchmark/benchmark.h>

#include "platform/foundation/Bundle.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIViewController.h"

namespace {

// A form-like screen: a header, twenty labelled rows, a button, and a constraint per row.
std::string screenXML() {
    std::string xml =
        R"(<interface><UIView id="root" outlet="view" frame="0 0 375 667" autoresizing="width height" backgroundColor="#FFFFFF">
      <UIView id="header" frame="0 0 375 120" autoresizing="width" backgroundColor="#1570EF">
        <attribute key="layer.cornerRadius" type="number" value="8"/>
      </UIView>)";
    for (int i = 0; i < 20; ++i) {
        std::string id = "row" + std::to_string(i);
        xml += "<UIView id=\"" + id + "\" frame=\"16 " + std::to_string(130 + i * 24) +
               " 343 20\" autoresizing=\"width\" backgroundColor=\"#F2F4F7\" alpha=\"0.9\" tag=\"" +
               std::to_string(i) + "\"/>";
        xml += "<constraint id=\"" + id + "Height\">" + id + ".height == 20 @750</constraint>";
    }
    xml += R"(<UIView id="button" frame="16 600 343 48" backgroundColor="#101828"/></UIView></interface>)";
    return xml;
}

void BM_LoadScreenFromInterfaceFile(benchmark::State& state) {
    auto xml = screenXML();
    for (auto _ : state) {
        auto nib = fv::UINib::nibWithXML(xml, "BenchScreen.xml");
        auto owner = std::make_shared<fv::UIViewController>();
        auto objects = nib->instantiateWithOwner(owner);
        owner->view()->layoutIfNeeded();
        benchmark::DoNotOptimize(objects);
    }
    fv::UINib::clearLoadErrors();
}
BENCHMARK(BM_LoadScreenFromInterfaceFile)->Unit(benchmark::kMicrosecond);

}  // namespace
