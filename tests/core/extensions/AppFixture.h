#pragma once
// A new database, the list test layouts, a scripted user interface and a memory profile.

#include <gtest/gtest.h>

#include <memory>

#include "db/MRBBase.h"
#include "store/OpenDatabase.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "support/ListLayouts.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"

namespace mirn::test {

class AppFixture : public ::testing::Test {
 protected:
  AppFixture() : layouts(dir.Path()) {
    int code = 0;
    db = OpenDatabase({}, code, {nullptr, dir.Path()});
  }
  DDFLibrary& library() { return *layouts.library; }
  void Add(const std::wstring& id, const std::wstring& typeCode, const std::wstring& name = {}) {
    ASSERT_EQ(db->AddExtension(id, typeCode, name), db::kOk);
  }

  TempDir dir;
  ListLibrary layouts;
  std::unique_ptr<MRBBase> db;
  ScriptedUserInterface ui;
  MemoryProfile profile;
};

}  // namespace mirn::test
