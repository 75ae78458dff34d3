// What the data-set tests share: records written as bytes at their offsets,
// and one run of an entry's editor on a fresh data root.
#pragma once
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "datasets/catalogue.hpp"
#include "datasets/entry_editors.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::datasets {

// Bytes laid over a record at an offset: a text or raw bytes.
using Patch = std::pair<std::size_t, std::string>;

inline core::Bytes patched(core::Bytes r, const std::vector<Patch>& patches) {
    for (const auto& [at, bytes] : patches)
        std::copy(bytes.begin(), bytes.end(), r.begin() + static_cast<std::ptrdiff_t>(at));
    return r;
}

// A game path as the temporary root's helpers take it.
inline std::string hostPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// Opens an entry's editor, lets a test act on its window and keeps what came
// of it: whether it closed, where the focus was, the messages and the file.
struct EditorRun {
    kestrel::testing::TempRoot t;
    ui::HeadlessHost host;
    Kind kind;
    std::string entry;
    bool closed = false;
    int focused = 0;

    EditorRun(Kind k, std::string name) : kind(k), entry(std::move(name)) {
        t.mkdir(hostPath(std::string(info(k).directory)));
    }
    std::string path() const { return hostPath(recordPath(info(kind), entry)); }
    // Writes `record` first unless there is none.
    void run(const std::optional<core::Bytes>& record, const std::function<void(ui::Window&)>& play) {
        if (record) t.write(path(), *record);
        auto editor = makeEntryEditor(info(kind), host, t.root(), entry);
        host.onNextModal([&](ui::Window& w) {
            play(w);
            closed = w.isClosed();
            focused = w.focused();
        });
        host.runModal(*editor);
    }
    core::Bytes saved() const { return t.read(path()); }
    const std::vector<ui::MessageBox>& messages() const { return host.messages(); }
};

inline void clickOk(ui::Window& w) { w.userClick(ui::kIdOk); }

}  // namespace kestrel::datasets
