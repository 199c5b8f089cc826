#include "platform/db/datasource.h"

#include "platform/db/query.h"

namespace orupim::db {

DataSource::DataSource(Query& query) : query_(&query) {
    query.attach(this);
}

DataSource::~DataSource() {
    if (query_)
        query_->detach(this);
}

DataSetState DataSource::state() const {
    return query_ ? query_->state() : DataSetState::Inactive;
}

int DataSource::subscribe(Observer observer) {
    observers_.emplace(nextId_, std::move(observer));
    return nextId_++;
}

void DataSource::unsubscribe(int id) {
    observers_.erase(id);
}

int DataSource::subscribeFocus(FocusRequest request) {
    focusRequests_.emplace(nextId_, std::move(request));
    return nextId_++;
}

void DataSource::unsubscribeFocus(int id) {
    focusRequests_.erase(id);
}

int DataSource::subscribeField(FieldObserver observer) {
    fieldObservers_.emplace(nextId_, std::move(observer));
    return nextId_++;
}

void DataSource::unsubscribeField(int id) {
    fieldObservers_.erase(id);
}

void DataSource::notifyField(const std::string& fieldName) {
    const auto observers = fieldObservers_;
    for (const auto& [id, observer] : observers)
        observer(fieldName);
}

void DataSource::notify(DataChange change) {
    // A copy: an observer may subscribe or unsubscribe while it is told.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers)
        observer(change);
}

void DataSource::requestFocus(const std::string& fieldName) {
    const auto requests = focusRequests_;
    for (const auto& [id, request] : requests)
        request(fieldName);
}

} // namespace orupim::db
