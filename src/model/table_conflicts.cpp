#include "model/table_conflicts.h"

#include <unordered_map>
#include <unordered_set>

#include "base/gbk_text.h"

namespace tablora {

namespace {

/// A table's identity as SameTable tells tables apart.
std::string Key(const std::string& owner, const std::string& name) {
  return gbk::ToLowerAscii(OwnerOrDbo(owner)) + '\0' + gbk::ToLowerAscii(name);
}

/// `name` + "_k" for the first k that `taken` does not hold under `owner`; the name is cut
/// (at a character boundary) so that the suffix fits the field.
std::string FreeName(const std::string& owner, const std::string& name,
                     const std::unordered_set<std::string>& taken) {
  for (int k = 1;; ++k) {
    const std::string suffix = "_" + std::to_string(k);
    const std::string candidate = gbk::CutToWidth(name, width::kName - suffix.size()) + suffix;
    if (taken.count(Key(owner, candidate)) == 0) return candidate;
  }
}

}  // namespace

std::vector<TableConflicts::Placement> TableConflicts::Resolve(
    const std::vector<TableDesign>& existing, std::vector<TableDesign>& incoming,
    ConflictPolicy policy, Prompts& prompts) {
  std::unordered_map<std::string, int> held;
  std::unordered_set<std::string> taken;
  for (std::size_t i = 0; i < existing.size(); ++i) {
    if (existing[i].actualName.empty()) continue;
    const std::string key = Key(existing[i].owner, existing[i].actualName);
    held.emplace(key, static_cast<int>(i));
    taken.insert(key);
  }
  std::vector<int> clashes;
  for (std::size_t i = 0; i < incoming.size(); ++i) {
    const std::string key = Key(incoming[i].owner, incoming[i].actualName);
    if (held.count(key) != 0) clashes.push_back(static_cast<int>(i));
    taken.insert(key);
  }

  std::vector<Placement> placements(incoming.size());
  bool decided = policy != ConflictPolicy::kAsk;
  ConflictChoice choice = policy == ConflictPolicy::kReplace  ? ConflictChoice::kReplace
                          : policy == ConflictPolicy::kRename ? ConflictChoice::kRename
                                                              : ConflictChoice::kSkip;
  for (std::size_t c = 0; c < clashes.size(); ++c) {
    TableDesign& table = incoming[static_cast<std::size_t>(clashes[c])];
    const int heldIndex = held.at(Key(table.owner, table.actualName));
    const std::string freeName = FreeName(table.owner, table.actualName, taken);
    if (!decided) {
      TableConflictQuestion question;
      question.table = QualifiedName(existing[static_cast<std::size_t>(heldIndex)]);
      question.freeName = freeName;
      question.more = static_cast<int>(clashes.size() - c - 1);
      bool forAll = false;
      choice = prompts.ChooseConflict(question, forAll);
      decided = forAll;
    }
    Placement& placement = placements[static_cast<std::size_t>(clashes[c])];
    switch (choice) {
      case ConflictChoice::kReplace:
        placement = {Placement::kReplace, heldIndex};
        break;
      case ConflictChoice::kRename:
        table.actualName = freeName;
        taken.insert(Key(table.owner, freeName));
        break;
      case ConflictChoice::kSkip:
        placement.kind = Placement::kSkip;
        break;
    }
  }
  return placements;
}

std::optional<ConflictPolicy> TableConflicts::ParsePolicy(const std::string& text) {
  if (text == "replace") return ConflictPolicy::kReplace;
  if (text == "rename") return ConflictPolicy::kRename;
  if (text == "skip") return ConflictPolicy::kSkip;
  return std::nullopt;
}

}  // namespace tablora
