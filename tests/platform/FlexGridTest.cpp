#include "platform/FlexGrid.h"
#include "support/Auxiliares.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(FlexGrid, CelulaAtualEErro381ForaDaGrade)
{
    FlexGrid grid;  // 2 x 2
    grid.SetTextMatrix(1, 1, QStringLiteral("x"));
    grid.SetRow(1);
    grid.SetCol(1);
    EXPECT_EQ(grid.Text(), "x");
    grid.SetText(QStringLiteral("y"));
    EXPECT_EQ(grid.TextMatrix(1, 1), "y");
    for (auto [row, col] : {std::pair{2, 0}, {0, 2}, {-1, 0}, {0, -1}}) {
        SCOPED_TRACE(testing::Message() << row << "," << col);
        EXPECT_EQ(ErroVb([&] { grid.TextMatrix(row, col); }), 381);
        EXPECT_EQ(ErroVb([&] { grid.SetTextMatrix(row, col, "z"); }), 381);
    }
    EXPECT_EQ(ErroVb([&] { grid.SetRows(-1); }), 381);
    grid.SetCols(0);  // a grid without columns still chooses its row
    grid.SetRow(0);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(ErroVb([&] { grid.SetRow(2); }), 381);
}

TEST(FlexGrid, TopRowAvisaAJanela)
{
    FlexGrid grid;
    grid.SetRows(10);
    QSignalSpy aviso(&grid, &FlexGrid::TopRowChanged);
    grid.SetTopRow(7);
    ASSERT_EQ(aviso.size(), 1);
    EXPECT_EQ(aviso[0][0].toInt(), 7);
    EXPECT_EQ(ErroVb([&] { grid.SetTopRow(10); }), 381);
}

}  // namespace
