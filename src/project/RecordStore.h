// Copies between the in-memory project record and the data store, following
// which fields each system type writes and reads.
#pragma once

#include "project/ProjectRecord.h"
#include "project/ProjectStore.h"

namespace vemora {

// The load's copy: record into store (fields of the record's system type).
void CopyRecordToStore(const ProjectRecord& rec, ProjectStore& store);

// The store a project file is analysed from: the load's copy, and the node
// count that the profile grid's fill sets (ProfileNodeCount).
void StoreFromRecord(const ProjectRecord& rec, ProjectStore& store);

// The save's copy: store into record (pumping-only fields kept for gravity,
// whose energy escalation is stored as 0).
void CopyStoreToRecord(const ProjectStore& store, ProjectRecord& rec);

// Writes the new-project defaults into store.ProjectRec (not into the store).
void WriteNewProjectDefaults(ProjectStore& store, const std::string& today);

} // namespace vemora
