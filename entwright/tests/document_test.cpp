#include "entwright/core/entity_document.h"

#include <gtest/gtest.h>

namespace {

using ent::EditResult;

ent::EntityTable sample()
{
    return *ent::ParseEntText("{\n\"classname\" \"worldspawn\"\n\"wad\" \"a.wad\"\n}\n"
                              "{\n\"classname\" \"light\"\n\"origin\" \"0 0 0\"\n}\n"
                              "{\n\"classname\" \"info_player_start\"\n}\n");
}

TEST(Document, EveryKindOfChangeUndoesAndRedoesBackToTheOpen)
{
    ent::EntityDocument doc;
    doc.reset(sample());
    const std::string opened = ent::EntText(doc.table());
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.modified());

    std::vector<std::string> states{opened};
    ASSERT_EQ(doc.addKeyLine(1, "_light", "255 255 255 200"), EditResult::Done);
    states.push_back(ent::EntText(doc.table()));
    ASSERT_EQ(doc.applyKeyLine(0, 1, "wad", "b.wad"), EditResult::Done);
    states.push_back(ent::EntText(doc.table()));
    ASSERT_EQ(doc.deleteKeyLine(1, 1), EditResult::Done);
    states.push_back(ent::EntText(doc.table()));
    ASSERT_EQ(doc.addEntity("lamp"), EditResult::Done);
    states.push_back(ent::EntText(doc.table()));
    ASSERT_EQ(doc.deleteEntity(0), EditResult::Done);
    states.push_back(ent::EntText(doc.table()));
    ASSERT_EQ(doc.deleteEntity(2), EditResult::Done); // the added one, now third
    states.push_back(ent::EntText(doc.table()));
    EXPECT_TRUE(doc.modified());

    // Refused and unchanged edits leave no step behind.
    EXPECT_EQ(doc.deleteKeyLine(0, 0), EditResult::ClassLineProtected);
    EXPECT_EQ(doc.applyKeyLine(0, 0, "classname", "light"), EditResult::Unchanged);
    EXPECT_EQ(doc.addKeyLine(0, "k", "\""), EditResult::QuoteInside);

    const std::vector<std::size_t> touched{2, 0, 3, 1, 0, 1};
    for (std::size_t step = states.size() - 1; step > 0; --step) {
        const std::optional<std::size_t> entity = doc.undo();
        ASSERT_TRUE(entity.has_value());
        EXPECT_EQ(*entity, touched[states.size() - 1 - step]) << step;
        EXPECT_EQ(ent::EntText(doc.table()), states[step - 1]) << "undo to " << step - 1;
    }
    EXPECT_FALSE(doc.undo().has_value());
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.table().Entities[1].ClassLine, "\"classname\" \"light\"");

    for (std::size_t step = 1; step < states.size(); ++step) {
        ASSERT_TRUE(doc.redo().has_value());
        EXPECT_EQ(ent::EntText(doc.table()), states[step]) << "redo to " << step;
    }
    EXPECT_FALSE(doc.redo().has_value());
}

TEST(Document, SavedStateFollowsUndoRedoAndIsLostWhenItsFutureIsReplaced)
{
    ent::EntityDocument doc;
    doc.reset(sample());
    doc.addEntity("a");
    doc.addEntity("b");
    doc.markSaved();
    EXPECT_FALSE(doc.modified());
    doc.undo();
    EXPECT_TRUE(doc.modified());
    doc.redo();
    EXPECT_FALSE(doc.modified());

    // Going back and editing afresh: the saved state can no longer be reached.
    doc.undo();
    doc.addEntity("c");
    EXPECT_TRUE(doc.modified());
    doc.undo();
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(doc.canRedo());

    doc.reset(sample());
    EXPECT_FALSE(doc.modified());
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.canRedo());
}

} // namespace
