// Feeds arbitrary bytes to the LoTW page reader as if they were a saved page,
// then checks that what it filed is a well-formed AA tree of sound records.
#include <cstdint>
#include <cstdlib>

#include "entity_index.h"
#include "lotw_reader.h"
#include "memory_stream.h"

namespace {

constexpr int kImgColumn = 4;
constexpr int k60mColumn = 8;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// Checks order and the AA-tree levels below node; returns the subtree size.
std::size_t CheckSubtree(const EntityRecord* node, const std::string* low,
                         const std::string* high)
{
    if (!node)
        return 0;
    Require(!low || *low < node->key);
    Require(!high || node->key < *high);
    for (char flag : node->credit)
        Require(flag == 'X' || flag == ' ');
    Require(node->credit[kImgColumn] == ' ' && node->credit[k60mColumn] == ' ');

    // Leaves are at level 0; a left child is one level down; a right child
    // is on the same level or one down, and never two right links in a row.
    if (!node->left && !node->right)
        Require(node->level == 0);
    Require(!node->left || node->left->level == node->level - 1);
    Require(!node->right || node->right->level == node->level ||
            node->right->level == node->level - 1);
    Require(!node->right || !node->right->right || node->right->right->level < node->level);
    if (node->level > 0)
        Require(node->left && node->right);

    return 1 + CheckSubtree(node->left, low, &node->key) +
           CheckSubtree(node->right, &node->key, high);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemoryStream page(data, size);
    LineReader reader(page.get());
    const EntityIndex index = ReadLotwMatrix(reader);
    CheckSubtree(index.Root(), nullptr, nullptr);
    return 0;
}
