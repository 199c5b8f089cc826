#include "catalogue/edition.h"

namespace orupim::catalogue {

const ControlDescription* Edition::control(const std::string& name) const {
    int index = controlIndex(name);
    return index < 0 ? nullptr : &controls[static_cast<std::size_t>(index)];
}

int Edition::controlIndex(const std::string& name) const {
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].name == name)
            return static_cast<int>(i);
    return -1;
}

const LabelDescription* Edition::label(const std::string& name) const {
    for (const auto& candidate : labels)
        if (candidate.name == name)
            return &candidate;
    return nullptr;
}

const ControlDescription* Edition::controlForField(const std::string& field) const {
    for (const auto& candidate : controls)
        if (candidate.field == field)
            return &candidate;
    return nullptr;
}

} // namespace orupim::catalogue
