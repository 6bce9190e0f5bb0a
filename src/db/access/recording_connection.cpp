#include "db/access/recording_connection.h"

namespace tablora {

bool RecordingConnection::Connect(const std::string& connectionString, int options) {
  sent_.push_back("OPEN " + connectionString);
  if (!openFailure_.empty()) {
    errors_.push_back({openFailure_, "08001", 0, "[Recording]"});
    return false;
  }
  open_ = true;
  return true;
}

bool RecordingConnection::Reply(const std::string& call, ResultSet& out) {
  sent_.push_back(call);
  out = ResultSet{};
  errors_.clear();
  if (!open_ || failures_.count(call) != 0) {
    errors_.push_back({"recorded failure", "42000", 0, "[Recording]"});
    return false;
  }
  const auto found = answers_.find(call);
  if (found != answers_.end()) out = found->second;
  return true;
}

}  // namespace tablora
