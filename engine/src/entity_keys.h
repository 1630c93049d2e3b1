// entity_keys.h - the keys under which the entity index files an entity.
//
// The LoTW page and the VELLUM listing name the same entity differently.
// Two compiled tables meet them:
//
//     LotwNameToKey("ENGLAND", "G")  -> "G"      (LoTW row name -> index key)
//     ListingPrefixToKey("W")        -> "K"      (VELLUM prefix -> index key)
//
// Both search tables sorted in byte order, compare byte-wise and
// case-sensitively, return a view of the table entry or of their argument,
// and never allocate.  A translation is applied once, never chained: "E6"
// gives "Z7", which is not looked up again.
#pragma once

#include <string_view>

// The prefix paired with the entity name in the compiled table, or
// fallbackPrefix (the row's own prefix column) for names not in it.
std::string_view LotwNameToKey(std::string_view entityName, std::string_view fallbackPrefix);

// The index key for a prefix as VELLUM writes it: the alias table's key, or
// the prefix itself when it has no alias.
std::string_view ListingPrefixToKey(std::string_view prefix);
