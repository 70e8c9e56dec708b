#pragma once
// The list screens' way to get a row or header cell: dequeue it by its reuse identifier and, on the
// first miss, register its interface file of the framework bundle and dequeue again.
#include <memory>

#include "core/FrameworkResources.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UITableView.h"

namespace fv {

// A `Cell` for `identifier`; none when even the registered interface file gives none of that class.
template <typename Cell>
std::shared_ptr<Cell> dequeueCellRegisteringNib(UITableView& tableView, const char* identifier,
                                                const char* nibName) {
    auto cell = std::dynamic_pointer_cast<Cell>(tableView.dequeueReusableCellWithIdentifier(identifier));
    if (cell) return cell;
    if (auto nib = UINib::nibWithNibName(nibName, frameworkBundle())) {
        tableView.registerNib(nib, identifier);
        cell = std::dynamic_pointer_cast<Cell>(tableView.dequeueReusableCellWithIdentifier(identifier));
    }
    return cell;
}

}  // namespace fv
