// The data source: what the data-aware controls follow. It forwards the query's notifications to its
// observers, and the query asks it to move the focus to a field's control when a post finds that field empty.
#pragma once

#include "platform/db/datasetstate.h"

#include <functional>
#include <map>
#include <string>

namespace orupim::db {

class Query;

enum class DataChange {
    RecordChanged, // another record is current, or the current record's values changed (post, cancel,
                   // refresh)
    StateChanged,  // state() changed (including open/close: Inactive)
    UpdateRecord,  // sent by post() before it validates: controls write their pending text into their fields
};

class DataSource {
public:
    explicit DataSource(Query& query);
    ~DataSource();
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;

    Query& dataSet() { return *query_; }
    DataSetState state() const;

    // Whether typing into a control starts editing; the catalogue turns it off.
    bool autoEdit() const { return autoEdit_; }
    void setAutoEdit(bool on) { autoEdit_ = on; }

    using Observer = std::function<void(DataChange)>;
    int subscribe(Observer observer);
    void unsubscribe(int id);

    using FocusRequest = std::function<void(const std::string& fieldName)>;
    int subscribeFocus(FocusRequest request);
    void unsubscribeFocus(int id);

    // Told when a field of the edited record is set, with the field's name, so that the controls of that
    // field show the new value (not sent while the data controls are off).
    using FieldObserver = std::function<void(const std::string& fieldName)>;
    int subscribeField(FieldObserver observer);
    void unsubscribeField(int id);

    // Called by the query.
    void notifyField(const std::string& fieldName);
    void notify(DataChange change);
    void requestFocus(const std::string& fieldName);
    void detach() { query_ = nullptr; }

private:
    Query* query_;
    bool autoEdit_ = true;
    int nextId_ = 1;
    std::map<int, Observer> observers_;
    std::map<int, FocusRequest> focusRequests_;
    std::map<int, FieldObserver> fieldObservers_;
};

} // namespace orupim::db
