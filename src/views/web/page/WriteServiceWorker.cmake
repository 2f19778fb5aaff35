# Writes the service worker into the site: the list of its files and a cache name made
# from their contents. Run as cmake -DSITE=... -DTEMPLATE=... -DFILES=a;b -P.
set(contents "")
set(listed "")
foreach(file IN LISTS FILES)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND contents ${digest})
  list(APPEND listed "'${file}'")
endforeach()
string(SHA256 SITE_HASH "${contents}")
string(SUBSTRING ${SITE_HASH} 0 16 SITE_HASH)
list(JOIN listed ", " SITE_FILES)
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
