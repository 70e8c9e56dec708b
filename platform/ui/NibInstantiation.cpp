#include "platform/ui/NibInstantiation.h"

#include <pugixml.hpp>

#include <map>
#include <variant>

#include "platform/foundation/Log.h"
#include "platform/ui/NibValues.h"
#include "platform/ui/UIView.h"

namespace fv::nib {

namespace {

bool isReservedAttribute(const std::string& name) {
    return name == "id" || name == "outlet" || name == "frame" || name == "autoresizing" || name == "key";
}

class Instantiation {
  public:
    Instantiation(const std::string& nibName, const NSObjectPtr& owner, std::vector<std::string>& errors)
        : nibName_(nibName), owner_(owner), errors_(errors) {}

    std::vector<NSObjectPtr> run(const pugi::xml_node& root) {
        std::vector<NSObjectPtr> top;
        // Building recurses once per level; a file nested deeper than any screen would exhaust the
        // stack, so it builds nothing at all.
        if (nestingDepth(root) > kMaxNestingDepth) {
            error("elements are nested more than " + std::to_string(kMaxNestingDepth) + " levels deep");
            return top;
        }
        for (auto node : root.children()) {
            if (node.type() != pugi::node_element) continue;
            std::string tag = node.name();
            if (tag == "constraint") {
                pending_.push_back({node, nullptr, nullptr});
                continue;
            }
            if (tag == "outlet" || tag == "action" || tag == "attribute" || tag == "segment") {
                error("<" + tag + "> belongs inside an object element, not at the top level");
                continue;
            }
            if (auto object = build(node, nullptr)) top.push_back(object);
        }
        connect();
        if (owner_) checkRequiredOutlets(*owner_);
        for (auto& object : made_) checkRequiredOutlets(*object);
        for (auto& object : made_) object->awakeFromNib();
        return top;
    }

    static constexpr int kMaxNestingDepth = 256;

  private:
    struct Pending {
        pugi::xml_node node;
        NSObjectPtr object;  // the element's object (none for top-level constraints)
        UIView* parentView;  // the view a constraint is declared in, for "super"
    };

    void error(const std::string& problem) {
        std::string line = nibName_ + ": " + problem;
        log("interface file " + line);
        errors_.push_back(line);
        recordLoadError(line);
    }

    // Without recursion, so that the measuring itself cannot overflow.
    static int nestingDepth(const pugi::xml_node& root) {
        int depth = 0, deepest = 0;
        pugi::xml_node node = root.first_child();
        while (node && node != root) {
            if (node.type() == pugi::node_element) deepest = std::max(deepest, depth + 1);
            if (node.first_child()) {
                node = node.first_child();
                ++depth;
                continue;
            }
            while (node && node != root && !node.next_sibling()) {
                node = node.parent();
                --depth;
            }
            if (node && node != root) node = node.next_sibling();
        }
        return deepest;
    }

    void checkRequiredOutlets(NSObject& object) {
        for (const auto& name : object.classInfo().requiredOutlets())
            if (!object.objectForKey(name))
                error("the file does not bind the outlet \"" + name + "\" of " + object.className());
    }

    static std::string where(const pugi::xml_node& node) {
        std::string id = node.attribute("id").as_string();
        return "<" + std::string(node.name()) + (id.empty() ? "" : " id=\"" + id + "\"") + ">";
    }

    NSObjectPtr build(const pugi::xml_node& node, const NSObjectPtr& parent) {
        std::string className = node.name();
        auto object = ClassRegistry::create(className);
        if (!object) {
            error("unknown class " + className + " in " + where(node));
            return nullptr;
        }
        made_.push_back(object);
        if (std::string id = node.attribute("id").as_string(); !id.empty()) {
            if (ids_.count(id)) error("duplicate id \"" + id + "\"");
            ids_[id] = object;
        }
        auto view = std::dynamic_pointer_cast<UIView>(object);
        applyGeometry(node, object, view.get());
        for (auto attr : node.attributes()) {
            std::string key = attr.name();
            if (isReservedAttribute(key)) continue;
            std::string text = attr.value();
            if (text.rfind("@@", 0) == 0) {
                setProperty(*object, key, text.substr(1), node);
            } else if (!text.empty() && text[0] == '@') {
                references_.push_back({object, key, text.substr(1), where(node)});
            } else {
                setProperty(*object, key, text, node);
            }
        }
        if (parent) attach(node, parent, object);
        buildChildren(node, object, view.get());
        if (std::string outlet = node.attribute("outlet").as_string(); !outlet.empty())
            outlets_.push_back({outlet, object, where(node)});
        return object;
    }

    void applyGeometry(const pugi::xml_node& node, const NSObjectPtr& object, UIView* view) {
        auto frame = node.attribute("frame");
        auto mask = node.attribute("autoresizing");
        if ((frame || mask) && !view) {
            error("frame and autoresizing apply to views only, in " + where(node));
            return;
        }
        if (frame) {
            auto n = parseNumbers(frame.value());
            if (n.size() == 4) {
                view->setFrame({{n[0], n[1]}, {n[2], n[3]}});
            } else {
                error("frame \"" + std::string(frame.value()) + "\" is not \"x y width height\" in " +
                      where(node));
            }
        }
        if (mask) {
            if (auto m = autoresizingMask(mask.value())) {
                view->setAutoresizingMask(*m);
            } else {
                error("autoresizing \"" + std::string(mask.value()) + "\" has an unknown edge in " +
                      where(node));
            }
        }
        (void)object;
    }

    void buildChildren(const pugi::xml_node& node, const NSObjectPtr& object, UIView* view) {
        Value segments{Value::Array{}};
        bool hasSegments = false;
        for (auto child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            std::string tag = child.name();
            if (tag == "constraint") {
                pending_.push_back({child, nullptr, view});
            } else if (tag == "action" || tag == "outlet") {
                pending_.push_back({child, object, view});
            } else if (tag == "attribute") {
                runtimeAttribute(child, object);
            } else if (tag == "segment") {
                segments.append(Value(std::string(child.attribute("title").as_string())));
                hasSegments = true;
            } else {
                build(child, object);
            }
        }
        if (hasSegments && !object->setValueForKey("segmentTitles", segments))
            error(object->className() + " takes no segments, in " + where(node));
    }

    // A child element goes to its parent's `key`, into its subviews, or to the parent's family.
    void attach(const pugi::xml_node& node, const NSObjectPtr& parent, const NSObjectPtr& child) {
        if (std::string key = node.attribute("key").as_string(); !key.empty()) {
            if (!parent->setObjectForKey(key, child))
                error(parent->className() + " has no object property \"" + key + "\" for " + where(node));
            return;
        }
        auto parentView = std::dynamic_pointer_cast<UIView>(parent);
        if (auto childView = std::dynamic_pointer_cast<UIView>(child); childView && parentView) {
            parentView->addSubview(childView);
            return;
        }
        const UINib::ChildAttacher attacher = childAttacherFor(child->classInfo());
        if (!attacher || !attacher(*parent, child))
            error(where(node) + " cannot be placed inside " + parent->className() + " (give it a key?)");
    }

    void setProperty(NSObject& object, const std::string& key, const std::string& text,
                     const pugi::xml_node& node) {
        for (const auto& candidate : candidateValues(object.classInfo(), key, text))
            if (object.setValueForKey(key, candidate)) return;
        if (auto* layer = dynamic_cast<CALayer*>(&object)) {
            for (const auto& candidate : candidateValues(object.classInfo(), key, text))
                if (setLayerValue(*layer, key, candidate)) return;
        }
        if (!object.hasValueForKey(key) && !dynamic_cast<CALayer*>(&object)) {
            error(object.className() + " has no property \"" + key + "\" (in " + where(node) + ")");
        } else {
            error("\"" + text + "\" is not a valid " + key + " for " + object.className() + " (in " +
                  where(node) + ")");
        }
    }

    // <attribute key="layer.cornerRadius" type="number" value="8"/>: a key path with a declared type.
    void runtimeAttribute(const pugi::xml_node& node, const NSObjectPtr& object) {
        std::string keyPath = node.attribute("key").as_string();
        std::string type = node.attribute("type").as_string("string");
        std::string text = node.attribute("value").as_string();
        auto value = typedValue(type, text);
        if (keyPath.empty() || !value) {
            error("runtime attribute \"" + keyPath + "\" of type " + type + " has an unreadable value \"" +
                  text + "\"");
            return;
        }
        NSObjectPtr target = object;
        std::string key = keyPath;
        for (auto dot = key.find('.'); dot != std::string::npos && target; dot = key.find('.')) {
            target = target->objectForKey(key.substr(0, dot));
            key = key.substr(dot + 1);
        }
        if (!target) {
            error("runtime attribute \"" + keyPath + "\" names no object on " + object->className());
            return;
        }
        if (target->setValueForKey(key, *value)) return;
        if (auto layer = std::dynamic_pointer_cast<CALayer>(target);
            layer && setLayerValue(*layer, key, *value))
            return;
        error("runtime attribute \"" + keyPath + "\" cannot be set on " + object->className());
    }

    NSObjectPtr resolve(const std::string& ref) {
        if (ref == "owner") return owner_;
        auto it = ids_.find(ref);
        return it == ids_.end() ? nullptr : it->second;
    }

    void connect() {
        for (auto& r : references_) {
            auto target = resolve(r.ref);
            if (!target) {
                error("\"@" + r.ref + "\" refers to nothing (" + r.key + " of " + r.where + ")");
            } else if (!r.object->setObjectForKey(r.key, target)) {
                error(r.object->className() + " has no object property \"" + r.key + "\" accepting " +
                      target->className() + " (in " + r.where + ")");
            }
        }
        for (auto& o : outlets_) bindOwnerOutlet(o.name, o.object, o.where);
        for (auto& p : pending_) {
            std::string tag = p.node.name();
            if (tag == "constraint") {
                constraint(p.node, p.parentView);
            } else if (tag == "action") {
                action(p.node, p.object);
            } else {
                outletElement(p.node, p.object);
            }
        }
    }

    void bindOwnerOutlet(const std::string& name, const NSObjectPtr& object, const std::string& at) {
        if (!owner_) {
            error("outlet \"" + name + "\" of " + at + " has no owner to bind to");
        } else if (!owner_->hasObjectForKey(name)) {
            error("missing outlet \"" + name + "\" on " + owner_->className() + " (for " + at + ")");
        } else if (!owner_->setObjectForKey(name, object)) {
            error("outlet \"" + name + "\" on " + owner_->className() + " cannot hold " +
                  object->className());
        }
    }

    // <outlet name="iconView" to="@icon"/>: an outlet of the enclosing object.
    void outletElement(const pugi::xml_node& node, const NSObjectPtr& object) {
        std::string name = node.attribute("name").as_string();
        std::string to = node.attribute("to").as_string();
        if (name.empty() || to.size() < 2 || to[0] != '@') {
            error("<outlet> needs name=\"...\" and to=\"@id\" (in " + object->className() + ")");
            return;
        }
        auto target = resolve(to.substr(1));
        if (!target) {
            error("outlet \"" + name + "\" refers to nothing: " + to);
        } else if (!object->hasObjectForKey(name)) {
            error("missing outlet \"" + name + "\" on " + object->className());
        } else if (!object->setObjectForKey(name, target)) {
            error("outlet \"" + name + "\" on " + object->className() + " cannot hold " +
                  target->className());
        }
    }

    // <action selector="done:" event="touchUpInside" target="@owner"/>
    void action(const pugi::xml_node& node, const NSObjectPtr& sender) {
        std::string selector = node.attribute("selector").as_string();
        std::string event = node.attribute("event").as_string();
        std::string targetRef = node.attribute("target").as_string("@owner");
        if (selector.empty() || targetRef.size() < 2 || targetRef[0] != '@') {
            error("<action> of " + sender->className() + " needs selector=\"...\" (and target=\"@id\")");
            return;
        }
        auto target = resolve(targetRef.substr(1));
        if (!target) {
            error("action \"" + selector + "\" targets nothing: " + targetRef);
            return;
        }
        if (!target->respondsToSelector(selector)) {
            error("missing action \"" + selector + "\" on " + target->className());
            return;
        }
        const UINib::ActionConnector connector = actionConnectorFor(sender->classInfo());
        if (!connector) {
            error(sender->className() + " sends no actions (\"" + selector + "\")");
        } else if (!connector(*sender, target, selector, event)) {
            error(sender->className() + " has no event \"" + event + "\" for action \"" + selector + "\"");
        }
    }

    // "item.attr == item.attr * m + c @p" or "item.attr == c @p"; "super" is the enclosing view.
    void constraint(const pugi::xml_node& node, UIView* parentView) {
        const std::string text = node.child_value();
        auto parsed = parseConstraint(text, [&](const std::string& id) -> std::shared_ptr<UIView> {
            if (id == "super")
                return parentView ? std::static_pointer_cast<UIView>(parentView->shared_from_this())
                                  : nullptr;
            return std::dynamic_pointer_cast<UIView>(resolve(id));
        });
        if (auto* why = std::get_if<std::string>(&parsed))
            return error("constraint \"" + text + "\": " + *why);
        const auto& spec = std::get<ConstraintSpec>(parsed);
        auto c = NSLayoutConstraint::constraintWithItem(spec.first, spec.firstAttribute, spec.relation,
                                                        spec.second, spec.secondAttribute, spec.multiplier,
                                                        spec.constant);
        c->setPriority(spec.priority);
        std::string id = node.attribute("id").as_string();
        if (!id.empty()) {
            c->setIdentifier(id);
            ids_[id] = c;
        }
        NSLayoutConstraint::activateConstraints({c});
        made_.push_back(c);
        if (std::string outlet = node.attribute("outlet").as_string(); !outlet.empty())
            bindOwnerOutlet(outlet, c, "constraint \"" + text + "\"");
    }
    struct Reference {
        NSObjectPtr object;
        std::string key;
        std::string ref;
        std::string where;
    };
    struct Outlet {
        std::string name;
        NSObjectPtr object;
        std::string where;
    };

    const std::string& nibName_;
    NSObjectPtr owner_;
    std::vector<std::string>& errors_;
    std::map<std::string, NSObjectPtr> ids_;
    std::vector<NSObjectPtr> made_;
    std::vector<Reference> references_;
    std::vector<Outlet> outlets_;
    std::vector<Pending> pending_;
};

}  // namespace

std::vector<NSObjectPtr> instantiate(const std::string& nibName, const pugi::xml_node& root,
                                     const NSObjectPtr& owner, std::vector<std::string>& errors) {
    return Instantiation(nibName, owner, errors).run(root);
}

}  // namespace fv::nib
