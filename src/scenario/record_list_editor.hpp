// The list editors of a scenario's record files (capitals and owners,
// placements, diplomacy): a list box of every record with New, Insert, Append
// and Delete, and one current record. Its controls are copied back into it
// before the selection changes, before any list operation and on OK, so a
// refused field keeps its record current.
#pragma once
#include <cstddef>
#include <string>

#include "ui/data_exchange.hpp"
#include "ui/dialog.hpp"

namespace kestrel::scenario {

// Side names in list lines are cut to this.
inline constexpr std::size_t kListSideName = 15;

// The list box's id; its buttons take the ids after it.
struct RecordListIds {
    int list = 0;
    constexpr int add() const { return list + 1; }  // "New"
    constexpr int insert() const { return list + 2; }
    constexpr int append() const { return list + 3; }
    constexpr int remove() const { return list + 4; }  // "Delete"
};

// Reads controls into a record: with the standard messages as DataExchange
// does, or `quiet`ly while the user types, when a refused value just fails.
// Values reach their targets one by one: read into a copy and keep it only
// when ok().
class RecordControls {
public:
    RecordControls(ui::Dialog& dialog, bool quiet) : dialog_(dialog), dx_(dialog), quiet_(quiet) {}

    bool integer(int id, long minValue, long maxValue, long& out);
    template <class T>
    bool integer(int id, long minValue, long maxValue, T& out) {
        long value = 0;
        if (!integer(id, minValue, maxValue, value)) return false;
        out = static_cast<T>(value);
        return true;
    }
    bool text(int id, std::size_t maxChars, std::string& out);
    bool ok() const { return ok_ && dx_.ok(); }

private:
    ui::Dialog& dialog_;
    ui::DataExchange dx_;
    bool quiet_;
    bool ok_ = true;
};

class RecordListEditor : public ui::Dialog {
public:
    void onCommand(int id) override;  // the four buttons; the rest as any dialog
    void onChange(int id) override;   // the list box

protected:
    // At most `limit` records: a full list ignores New, Insert and Append.
    RecordListEditor(ui::Host& host, int resourceId, RecordListIds ids, std::size_t limit);

    // What each editor gives, by record index.
    virtual std::size_t count() const = 0;
    virtual void insertNew(std::size_t at) = 0;  // a record with the editor's defaults
    virtual void erase(std::size_t at) = 0;
    virtual std::string line(std::size_t index) const = 0;
    // Copies the controls into the record; false, with nothing stored, when a
    // control is refused (see RecordControls).
    virtual bool readControls(std::size_t index, bool quiet) = 0;
    // Shows the record, or empties the controls for -1.
    virtual void showRecord(int index) = 0;

    int current() const { return current_; }
    // Once the records are read: the first is current, listed and shown.
    void start();
    // Copies the controls into the current record, if there is one.
    bool store(bool quiet = false);
    // A field of the current record changed: store it and rebuild the list.
    // Typed values store quietly; a half-typed one is refused at the next store.
    bool edited(bool quiet);
    void fillList();
    void showCurrent() { showRecord(current_); }

private:
    void add(std::size_t at);
    void removeCurrent();
    void select(int index);

    RecordListIds ids_;
    std::size_t limit_;
    int current_ = -1;
};

}  // namespace kestrel::scenario
