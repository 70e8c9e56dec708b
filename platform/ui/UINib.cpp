#include "platform/ui/UINib.h"

#include <pugixml.hpp>

#include <cstdio>
#include <map>
#include <mutex>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/ui/NibInstantiation.h"

namespace fv {

FV_REGISTER_CLASS(UINib);

namespace {

// ---- process-wide registries ----

struct Registries {
    std::mutex mutex;
    std::vector<std::string> errors;
    std::map<std::string, UINib::ActionConnector> connectors;
    std::map<std::string, UINib::ChildAttacher> attachers;
};

Registries& registries() {
    static Registries r;
    return r;
}

template <typename F>
F findForClass(const std::map<std::string, F>& table, const ClassInfo* info) {
    for (; info; info = info->superclass()) {
        auto it = table.find(info->name);
        if (it != table.end()) return it->second;
    }
    return nullptr;
}

}  // namespace

// ---- the parsed file ----

struct UINib::Impl {
    std::string name;
    pugi::xml_document doc;
    bool parsed = false;
    std::vector<std::string> parseErrors;
    mutable std::vector<std::string> lastErrors;
};

// ---- UINib ----

UINib::UINib() : impl_(std::make_unique<Impl>()) {}
UINib::~UINib() = default;

const std::string& UINib::name() const {
    return impl_->name;
}

UINibPtr UINib::nibWithXML(const std::string& xml, const std::string& name) {
    auto nib = std::make_shared<UINib>();
    nib->impl_->name = name;
    auto result = nib->impl_->doc.load_buffer(xml.data(), xml.size());
    if (!result) {
        nib->impl_->parseErrors.push_back(name + ": malformed XML at byte " + std::to_string(result.offset) +
                                          ": " + result.description());
    } else if (std::string(nib->impl_->doc.document_element().name()) != "interface") {
        nib->impl_->parseErrors.push_back(name + ": the root element must be <interface>");
    } else {
        nib->impl_->parsed = true;
    }
    for (const auto& e : nib->impl_->parseErrors) {
        log("interface file " + e);
        nib::recordLoadError(e);
    }
    return nib;
}

UINibPtr UINib::nibWithNibName(const std::string& name, const std::shared_ptr<NSBundle>& bundle) {
    if (name.empty()) return nullptr;
    std::optional<std::string> path;
    if (bundle) {
        path = bundle->pathForResource(name, "xml");
    } else {
        for (const auto& b : NSBundle::allFrameworks())
            if ((path = b->pathForResource(name, "xml"))) break;
        if (!path) path = NSBundle::mainBundle()->pathForResource(name, "xml");
    }
    if (!path) return nullptr;
    std::string xml;
    {
        std::FILE* f = std::fopen(path->c_str(), "rb");
        if (!f) return nullptr;
        char buffer[8192];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) xml.append(buffer, n);
        std::fclose(f);
    }
    return nibWithXML(xml, name + ".xml");
}

std::vector<NSObjectPtr> UINib::instantiateWithOwner(const NSObjectPtr& owner) const {
    impl_->lastErrors.clear();
    if (!impl_->parsed) {
        for (const auto& e : impl_->parseErrors) nib::recordLoadError(e);
        return {};
    }
    return nib::instantiate(impl_->name, impl_->doc.document_element(), owner, impl_->lastErrors);
}

std::vector<std::string> UINib::errors() const {
    auto all = impl_->parseErrors;
    all.insert(all.end(), impl_->lastErrors.begin(), impl_->lastErrors.end());
    return all;
}

std::vector<std::string> UINib::loadErrors() {
    std::lock_guard lock(registries().mutex);
    return registries().errors;
}

void UINib::clearLoadErrors() {
    std::lock_guard lock(registries().mutex);
    registries().errors.clear();
}

void nib::recordLoadError(const std::string& line) {
    std::lock_guard lock(registries().mutex);
    registries().errors.push_back(line);
}

UINib::ActionConnector nib::actionConnectorFor(const ClassInfo& info) {
    std::lock_guard lock(registries().mutex);
    return findForClass(registries().connectors, &info);
}

UINib::ChildAttacher nib::childAttacherFor(const ClassInfo& info) {
    std::lock_guard lock(registries().mutex);
    return findForClass(registries().attachers, &info);
}

void UINib::registerActionConnector(const std::string& className, ActionConnector connector) {
    std::lock_guard lock(registries().mutex);
    registries().connectors[className] = std::move(connector);
}

void UINib::registerChildAttacher(const std::string& className, ChildAttacher attacher) {
    std::lock_guard lock(registries().mutex);
    registries().attachers[className] = std::move(attacher);
}

}  // namespace fv
