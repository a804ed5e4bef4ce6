# Writes the user guide's HTML page from its Markdown with cmark:
#   cmake -DCMARK=<cmark> -DSOURCE=<guide.md> -DOUTPUT=<index.html> -P MakeGuide.cmake
execute_process(COMMAND ${CMARK} --unsafe ${SOURCE} OUTPUT_VARIABLE body RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmark could not convert ${SOURCE}")
endif()
file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"ja\">
<head>
<meta charset=\"utf-8\">
<title>ファイルユーティリティの使い方</title>
<style>
body { max-width: 50em; margin: 1em auto; padding: 0 1em; line-height: 1.6;
       font-family: \"Yu Gothic UI\", Meiryo, \"IPAPGothic\", sans-serif; }
table { border-collapse: collapse; } th, td { border: 1px solid #999; padding: 0.2em 0.5em; }
pre { background: #f4f4f4; padding: 0.5em; overflow-x: auto; }
img { max-width: 100%; }
</style>
</head>
<body>
${body}</body>
</html>
")
