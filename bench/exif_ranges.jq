# The byte ranges a file's Exif needs beyond its first 8 KiB, as "OFFSET LENGTH" lines: the
# Exif block where it is one (a segment, item, chunk or box), else (a TIFF-based file, whose
# block is the whole file) each IFD entry's value, joined where less than 64 bytes apart.
def typesize: {"1":1,"2":1,"6":1,"7":1,"3":2,"8":2,"4":4,"9":4,"11":4,"13":4,"5":8,"10":8,"12":8}[.] // 1;
select(.ok)
| (if .exifStart == 0 and .exifEnd == $size then
     [.rows[] | select(.heading | not)
      | (.offset | ltrimstr("0x") | ascii_downcase
         | reduce explode[] as $c (0; . * 16 + (if $c >= 97 then $c - 87 else $c - 48 end))) as $at
      | [$at, $at + ([(.count | tonumber) * (.type | typesize), 4] | max)]]
   else [[.exifStart, .exifEnd]] end)
| sort
| reduce .[] as $r ([]; if length > 0 and $r[0] <= .[-1][1] + 64
                        then .[-1][1] = ([.[-1][1], $r[1]] | max) else . + [$r] end)
| .[] | [([.[0], 8192] | max), .[1]] | select(.[1] > .[0]) | "\(.[0]) \(.[1] - .[0])"
