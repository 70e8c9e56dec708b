#pragma once
// The cell registrations and reuse queues of a list view (tables, collections), by reuse identifier.
// A cell is made from the nib or class registered for its identifier; a cell that leaves the screen
// waits in its identifier's queue and is handed out again after prepareForReuse.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Log.h"
#include "platform/foundation/NSObject.h"
#include "platform/ui/UINib.h"

namespace fv {

template <typename Cell>
class ReuseQueue {
  public:
    using CellPtr = std::shared_ptr<Cell>;

    // `list` and `cellKind` name the owner and its cells in log lines ("UITableView", "table cell").
    ReuseQueue(std::string list, std::string cellKind)
        : list_(std::move(list)), cellKind_(std::move(cellKind)) {}

    // A later registration for an identifier replaces the earlier one and drops its queued cells; a
    // null nib only unregisters.
    void registerNib(const std::shared_ptr<UINib>& nib, const std::string& identifier) {
        queues_.erase(identifier);
        if (!nib) {
            registrations_.erase(identifier);
            return;
        }
        registrations_[identifier] = Registration{nib, {}};
    }

    // A class that is not a cell of this kind is logged and registers nothing.
    void registerClass(const std::string& className, const std::string& identifier) {
        if (!ClassRegistry::isSubclass(className, Cell::staticClassName())) {
            log(list_ + ": cannot register `" + className + "` for `" + identifier + "`: not a " + cellKind_ +
                " class");
            return;
        }
        queues_.erase(identifier);
        registrations_[identifier] = Registration{nullptr, className};
    }

    // A queued cell (after prepareForReuse), or a new one from the registration; none when neither.
    CellPtr dequeue(const std::string& identifier) {
        auto queue = queues_.find(identifier);
        if (queue != queues_.end() && !queue->second.empty()) {
            auto cell = std::move(queue->second.back());
            queue->second.pop_back();
            cell->prepareForReuse();
            return cell;
        }
        auto registration = registrations_.find(identifier);
        if (registration == registrations_.end()) return nullptr;
        return build(registration->second, identifier);
    }

    // Queues a cell with an identifier. Beyond a bound (or twice the visible count) cells are released:
    // a data source that never dequeues must not make the queue grow with every row scrolled past.
    void enqueue(const CellPtr& cell, std::size_t visibleCount) {
        const std::string& identifier = cell->reuseIdentifier();
        if (identifier.empty()) return;
        auto& queue = queues_[identifier];
        if (queue.size() >= std::max(kMinLimit, 2 * visibleCount)) return;
        queue.push_back(cell);
    }

    // A data source that keeps its cells may hand back one that is queued: it must not be handed out
    // a second time.
    void remove(const CellPtr& cell) {
        auto queue = queues_.find(cell->reuseIdentifier());
        if (queue != queues_.end()) std::erase(queue->second, cell);
    }

  private:
    static constexpr std::size_t kMinLimit = 32;
    struct Registration {
        std::shared_ptr<UINib> nib;
        std::string className;
    };

    CellPtr build(const Registration& registration, const std::string& identifier) const {
        CellPtr cell;
        if (registration.nib) {
            for (const auto& object : registration.nib->instantiateWithOwner(nullptr))
                if ((cell = std::dynamic_pointer_cast<Cell>(object))) break;
            if (!cell)
                log(list_ + ": interface file `" + registration.nib->name() + "` holds no " + cellKind_);
        } else {
            cell = std::dynamic_pointer_cast<Cell>(ClassRegistry::create(registration.className));
        }
        if (cell) cell->setReuseIdentifier(identifier);
        return cell;
    }

    std::string list_;
    std::string cellKind_;
    std::map<std::string, Registration> registrations_;
    std::map<std::string, std::vector<CellPtr>> queues_;
};

}  // namespace fv
