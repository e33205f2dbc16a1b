#include "entwright/core/bulk_edits.h"
#include "entwright/core/entity_document.h"
#include "entwright/core/links.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ent {
namespace {

EntityTable mapOf(std::initializer_list<std::vector<std::string>> records)
{
    EntityTable table;
    for (const auto& lines : records) {
        EntityRecord record;
        record.KeyLines = lines;
        record.ClassLine = LineText(lines.front());
        table.Entities.push_back(record);
    }
    return table;
}

bool sameLines(const EntityTable& a, const EntityTable& b)
{
    if (a.Entities.size() != b.Entities.size())
        return false;
    for (std::size_t i = 0; i < a.Entities.size(); ++i)
        if (!(a.Entities[i].KeyLines == b.Entities[i].KeyLines))
            return false;
    return true;
}

// worldspawn, a button that targets the door and kills the lamp, the door,
// a lamp whose master is the door, and a second door of the same name.
EntityTable doors()
{
    return mapOf(
        {{R"("classname" "worldspawn")"},
         {R"("classname" "func_button")", R"("target" "door1")", R"( "killtarget"	"lamp")"},
         {R"("classname" "func_door")", R"("targetname" "door1")"},
         {R"("classname" "light")", R"("targetname" "lamp")", R"("master" "door1")",
          R"("message" "door1")"},
         {R"("classname" "func_door")", R"("targetname" "door1")"}});
}

TEST(Links, ReadsPairsTheWayTheGameDoes)
{
    const auto pair = ReadKeyValue(" \t\"key\"\t \"a value\" \r");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->key, "key");
    EXPECT_EQ(pair->value, "a value");
    EXPECT_TRUE(ReadKeyValue(R"("k" "")"));
    EXPECT_FALSE(ReadKeyValue(R"("k" "v" extra)"));
    EXPECT_FALSE(ReadKeyValue(R"("k")"));
    EXPECT_FALSE(ReadKeyValue("not quoted"));
}

TEST(Links, AValueSetAndSetBackGivesTheLineThatWasRead)
{
    EntityDocument doc;
    doc.reset(doors());
    const std::string original(doc.table().Entities[1].KeyLines[2]);
    ASSERT_EQ(doc.replaceRecords(PlanSetKey(doc.table(), {1}, "killtarget", "x").changes),
              EditResult::Done);
    EXPECT_EQ(doc.table().Entities[1].KeyLines[2], " \"killtarget\"\t\"x\"");
    ASSERT_EQ(doc.replaceRecords(PlanSetKey(doc.table(), {1}, "killtarget", "lamp").changes),
              EditResult::Done);
    EXPECT_EQ(doc.table().Entities[1].KeyLines[2], original);
}

TEST(Links, TargetsUsersAndTheWayRoundSeveralOfTheSameName)
{
    const EntityTable table = doors();
    EXPECT_EQ(EntitiesNamed(table, "door1"), (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(NextNamed(table, "door1", std::nullopt), 2u);
    EXPECT_EQ(NextNamed(table, "door1", 2), 4u);
    EXPECT_EQ(NextNamed(table, "door1", 4), 2u);
    EXPECT_EQ(NextNamed(table, "nobody", std::nullopt), std::nullopt);

    // "message" names nothing; master and target do, each user once.
    EXPECT_EQ(UsedBy(table, 2), (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(UsedBy(table, 3), (std::vector<std::size_t>{1}));
    EXPECT_TRUE(UsedBy(table, 0).empty());

    // Game data may say another key is a link.
    const LinkKeyRule byType = [](std::string_view, std::string_view key) {
        return key == "message";
    };
    EXPECT_EQ(UsedBy(table, 2, byType), (std::vector<std::size_t>{3}));
}

TEST(Links, RenameCountsReferencesAndIsOneUndoStep)
{
    EntityDocument doc;
    doc.reset(doors());
    const EntityTable before = doc.table();

    const RenamePlan without = PlanRename(doc.table(), 3, "lamp2", false);
    EXPECT_EQ(without.references, 1u);
    ASSERT_EQ(without.changes.size(), 1u);

    const RenamePlan plan = PlanRename(doc.table(), 2, "gate", true);
    EXPECT_EQ(plan.references, 2u);
    ASSERT_EQ(doc.replaceRecords(plan.changes), EditResult::Done);
    const auto& e = doc.table().Entities;
    EXPECT_EQ(e[2].KeyLines[1], R"("targetname" "gate")");
    EXPECT_EQ(e[1].KeyLines[1], R"("target" "gate")");
    // The untouched line keeps its odd spacing byte for byte.
    EXPECT_EQ(e[1].KeyLines[2], " \"killtarget\"\t\"lamp\"");
    EXPECT_EQ(e[3].KeyLines[2], R"("master" "gate")");
    EXPECT_EQ(e[3].KeyLines[3], R"("message" "door1")");
    // The second door of the old name is another entity: it keeps its name.
    EXPECT_EQ(e[4].KeyLines[1], R"("targetname" "door1")");

    ASSERT_TRUE(doc.undo());
    EXPECT_TRUE(sameLines(doc.table(), before));
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(doc.table().Entities[1].KeyLines[1], R"("target" "gate")");

    EXPECT_EQ(PlanRename(doc.table(), 2, "a\"b", true).result, EditResult::QuoteInside);
}

TEST(Links, SetAndDeleteKeysOnSeveralEntitiesAsOneStep)
{
    EntityDocument doc;
    doc.reset(doors());
    const BulkPlan set = PlanSetKey(doc.table(), {2, 3, 4}, "targetname", "lamp");
    // Entity 3 already holds that value and is left alone.
    ASSERT_EQ(set.changes.size(), 2u);
    ASSERT_EQ(doc.replaceRecords(set.changes), EditResult::Done);
    const BulkPlan add = PlanSetKey(doc.table(), {0, 1}, "spawnflags", "1");
    ASSERT_EQ(doc.replaceRecords(add.changes), EditResult::Done);
    EXPECT_EQ(doc.table().Entities[0].KeyLines.back(), R"("spawnflags" "1")");

    const BulkPlan drop = PlanDeleteKey(doc.table(), {1, 2, 3, 4}, "targetname");
    ASSERT_EQ(doc.replaceRecords(drop.changes), EditResult::Done);
    EXPECT_FALSE(ValueOf(doc.table().Entities[2], "targetname"));
    EXPECT_EQ(PlanDeleteKey(doc.table(), {1}, "classname").result, EditResult::ClassLineProtected);

    doc.undo();
    EXPECT_EQ(ValueOf(doc.table().Entities[4], "targetname"), "lamp");
    doc.undo();
    doc.undo();
    EXPECT_TRUE(sameLines(doc.table(), doors()));
}

TEST(Links, DeletingSeveralEntitiesIsOneStepAndNeverEmptiesTheTable)
{
    EntityDocument doc;
    doc.reset(doors());
    EXPECT_EQ(doc.deleteEntities({4, 1, 2, 1}), EditResult::Done);
    ASSERT_EQ(doc.table().Entities.size(), 2u);
    EXPECT_EQ(ClassOf(doc.table().Entities[1]), "light");
    EXPECT_EQ(doc.deleteEntities({0, 1}), EditResult::OnlyEntity);
    EXPECT_EQ(doc.deleteEntities({7}), EditResult::NoSuchEntity);
    doc.undo();
    EXPECT_TRUE(sameLines(doc.table(), doors()));
}

TEST(Links, FindAndReplaceCountsFirstAndIsOneStep)
{
    EntityDocument doc;
    doc.reset(doors());
    ReplaceQuery query;
    query.find = "door";
    query.replacement = "gate";
    const ReplacePlan plain = PlanReplace(doc.table(), query);
    // target, two targetnames, master, message; the class lines keep their
    // key and func_door is a value, so it counts too.
    EXPECT_EQ(plain.occurrences, 7u);
    EXPECT_EQ(plain.lines, 7u);
    EXPECT_TRUE(sameLines(doc.table(), doors())) << "planning changes nothing";

    query.find = R"(^door(\d)$)";
    query.replacement = "gate_$1";
    query.regularExpression = true;
    query.inKeys = false;
    const ReplacePlan regex = PlanReplace(doc.table(), query);
    EXPECT_EQ(regex.occurrences, 5u);
    ASSERT_EQ(doc.replaceRecords(regex.changes), EditResult::Done);
    EXPECT_EQ(doc.table().Entities[3].KeyLines[3], R"("message" "gate_1")");
    doc.undo();
    EXPECT_TRUE(sameLines(doc.table(), doors()));

    query.find = "classname";
    query.replacement = "x";
    query.regularExpression = false;
    query.inKeys = true;
    query.inValues = false;
    EXPECT_EQ(PlanReplace(doc.table(), query).occurrences, 0u);

    query.find = "(";
    query.regularExpression = true;
    const ReplacePlan bad = PlanReplace(doc.table(), query);
    EXPECT_FALSE(bad.badExpression.empty());

    query = {};
    query.find = "lamp";
    query.replacement = "a\"b";
    EXPECT_EQ(PlanReplace(doc.table(), query).result, EditResult::QuoteInside);
}

} // namespace
} // namespace ent
