// A platform operation that can be replaced at run time: the host implementation by default, another one
// while it is set. The form framework installs the window system's versions this way, and tests install
// recorders.
#pragma once

#include <functional>
#include <utility>

namespace orupim {

template <typename Signature> class Replaceable;

template <typename Result, typename... Args> class Replaceable<Result(Args...)> {
public:
    using Function = std::function<Result(Args...)>;

    explicit Replaceable(Result (*host)(Args...)) : host_(host) {}

    Result operator()(Args... args) const {
        return installed_ ? installed_(std::forward<Args>(args)...) : host_(std::forward<Args>(args)...);
    }

    // Installs `implementation` (an empty function brings back the host's) and answers the one it replaces,
    // empty when that was the host's, so that whoever replaces it can put it back.
    Function replace(Function implementation) {
        Function previous = std::move(installed_);
        installed_ = std::move(implementation);
        return previous;
    }

private:
    Result (*host_)(Args...);
    Function installed_;
};

} // namespace orupim
