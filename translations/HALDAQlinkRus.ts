<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>Имя системы</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>Проводной</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>Беспроводной</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>Для смены языка приложение необходимо перезапустить. Продолжить?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>Конфигурация № 1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>Недопустимый номер порта</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>Сохранить конфигурацию?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>Не удалось сохранить сетевые параметры.</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>ОШИБКА ДЛИНЫ ИМЕНИ СИСТЕМЫ</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>Проводной</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>Беспроводной</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>Этот IP-адрес нельзя использовать.</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>Сведения о BSS</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>125</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>BSSID</source>
        <comment>126</comment>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>127</comment>
        <translation>Режим WLAN</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>Инфраструктура</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>Ad-hoc</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>НЕИЗВЕСТНО</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>134</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>135</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>WEP-64/WEP-128</source>
        <comment>136</comment>
        <translation>WEP-64/WEP-128</translation>
    </message>
    <message>
        <source>WPA</source>
        <comment>137</comment>
        <translation>WPA</translation>
    </message>
    <message>
        <source>WPA2</source>
        <comment>138</comment>
        <translation>WPA2</translation>
    </message>
    <message>
        <source>WPA/WPA2</source>
        <comment>139</comment>
        <translation>WPA/WPA2</translation>
    </message>
    <message>
        <source>Configuration #2</source>
        <comment>145</comment>
        <translation>Конфигурация № 2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>Подключение устройства</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>Нет доступных портов</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>Чётная</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>Нечётная</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>Аппаратное</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>Настройка сети</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>Настройка IP-адреса</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>Сведения о WLAN получены.</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>Не удалось получить сведения о WLAN.</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>Изменения применены. Перезагрузите принтер.</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>Сохранить новую конфигурацию?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>Не удалось сохранить новую конфигурацию.</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>Основные настройки WLAN</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>Режим WLAN</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>Инфраструктура</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <comment>170</comment>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Soft AP</source>
        <comment>171</comment>
        <translation>Программная точка доступа (Soft AP)</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>172</comment>
        <translation>Канал</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>Введите не более 32 символов.</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>Введите 4 или 8 цифр PIN-кода.</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>Настройки безопасности WLAN</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>Проверка подлинности</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>Открытая система</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>Общий ключ</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <comment>181</comment>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <comment>182</comment>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>WPA-EAP</source>
        <comment>183</comment>
        <translation>WPA-EAP</translation>
    </message>
    <message>
        <source>WPA2-EAP</source>
        <comment>184</comment>
        <translation>WPA2-EAP</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment>185</comment>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>187</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>188</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>TKIP</source>
        <comment>189</comment>
        <translation>TKIP</translation>
    </message>
    <message>
        <source>AES</source>
        <comment>190</comment>
        <translation>AES</translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <comment>191</comment>
        <translation>AES + TKIP</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <comment>192</comment>
        <translation>Режим EAP</translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <comment>194</comment>
        <translation>EAP-PEAP</translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <comment>195</comment>
        <translation>EAP-TTLS</translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <comment>196</comment>
        <translation>EAP-TLS</translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <comment>197</comment>
        <translation>EAP-LEAP</translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <comment>198</comment>
        <translation>EAP-FAST</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <comment>199</comment>
        <translation>Ключ PSK</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>Идентификатор EAP</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>Пароль EAP</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>Настройка IP-адреса</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>Назначение IP-адреса</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>Номер порта</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>Сведения о системе</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>Версия микропрограммы</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>Дата обновления</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>Настройки системы</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>Имя системы</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>Пароль пользователя</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>Время бездействия (с)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>Частота беспроводной сети</translation>
    </message>
    <message>
        <source>2.4GHz</source>
        <comment>224</comment>
        <translation>2.4GHz</translation>
    </message>
    <message>
        <source>5GHz</source>
        <comment>225</comment>
        <translation>5GHz</translation>
    </message>
    <message>
        <source>2.4GHz/5GHz (Priority: 2.4GHz)</source>
        <comment>226</comment>
        <translation>2,4 ГГц/5 ГГц (приоритет: 2,4 ГГц)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2,4 ГГц/5 ГГц (приоритет: 5 ГГц)</translation>
    </message>
    <message>
        <source>HTTPS</source>
        <comment>228</comment>
        <translation>HTTPS</translation>
    </message>
    <message>
        <source>TELNET</source>
        <comment>229</comment>
        <translation>TELNET</translation>
    </message>
    <message>
        <source>FTP</source>
        <comment>230</comment>
        <translation>FTP</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>231</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>232</comment>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>Включить</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>Сообщество SNMP (чтение)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>Сообщество SNMP (запись)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>Сообщество ловушек SNMP</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>IP-адрес ловушек SNMP</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>Загрузка сертификата</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>Тип сертификата</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>Файл сертификата</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>Загрузить сертификат?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>Недопустимый сертификат.</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>Сертификат успешно загружен.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>Не удалось загрузить сертификат.</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>Ключ клиента</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>PEM клиента</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>ОШИБКА ДЛИНЫ PIN-КОДА.</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>ОШИБКА ДЛИНЫ SSID</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>ОШИБКА ДЛИНЫ ИДЕНТИФИКАТОРА EAP</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>ОШИБКА ДЛИНЫ ПАРОЛЯ EAP</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>ОШИБКА ДЛИНЫ КЛЮЧА PSK</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>НЕДОПУСТИМОЕ ЗНАЧЕНИЕ КЛЮЧА PSK</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>ОШИБКА ДЛИНЫ КЛЮЧА WEP-64</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>НЕДОПУСТИМОЕ ЗНАЧЕНИЕ КЛЮЧА WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>ОШИБКА ДЛИНЫ КЛЮЧА WEP-128</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>НЕДОПУСТИМОЕ ЗНАЧЕНИЕ КЛЮЧА WEP-128</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>ОШИБКА ДЛИНЫ ИМЕНИ СИСТЕМЫ</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>ОШИБКА ДЛИНЫ ИДЕНТИФИКАТОРА ПОЛЬЗОВАТЕЛЯ</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>ОШИБКА ДЛИНЫ ПАРОЛЯ ПОЛЬЗОВАТЕЛЯ</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>Ошибка длины имени сообщества (чтение)</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>Ошибка длины имени сообщества (запись)</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>Ошибка длины IP-адреса для ловушек</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>ОШИБКА ФОРМАТА IP-АДРЕСА ДЛЯ ЛОВУШЕК</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>Ошибка длины имени сообщества ловушек</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>Ключ WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>Ключ WEP-128</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>Не поддерживается</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>Не удалось получить сведения BSS.</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>Сбросить настройки к заводским?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>Имя сертификата</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>Не удалось сбросить настройки к заводским.</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>Ловушка SNMP</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>СЕТЕВОЕ ПОДКЛЮЧЕНИЕ НЕ НАЙДЕНО</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>Эту маску подсети нельзя использовать: её единичные биты должны идти первыми, как в 255.255.255.0.</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>Этот IP-адрес нельзя использовать: это адрес сети или широковещательный адрес его подсети.</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>Шлюз находится вне подсети принтера, поэтому принтер может не достичь его. Всё равно сохранить?</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>Не удалось запустить веб-браузер, чтобы открыть %s.</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>Вашей учётной записи не разрешено открывать последовательный порт %1. Попросите администратора добавить её в группу «%2» (sudo adduser %3 %2), затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>Вашей учётной записи не разрешено открывать USB-принтер %1. Установите правило udev программы Quorlink Tool (60-quorlink.rules) и заново подключите принтер или попросите администратора добавить вашу учётную запись в группу «%2» (sudo adduser %3 %2), затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1 занят другой программой, возможно заданием печати. Дождитесь его завершения или закройте эту программу, затем повторите попытку.</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>На %1 не отвечает ни один принтер: сигнал DSR линии выключен. Проверьте, что принтер включён, а кабель подключён.</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1 не найден. Проверьте, что принтер подключён и включён, затем повторите попытку.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>Не удаётся открыть %1: %2.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>Сервер печати не разрешает Quorlink Tool приостановить очередь печати %1 (он требует администратора). Печать в эту очередь во время настройки принтера может прервать настройку. Чтобы разрешить приостановку, администратор может добавить вашу учётную запись в группу «lpadmin» (sudo adduser %2 lpadmin); затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>Сервер печати не разрешает Quorlink Tool добавить очередь печати %1 (требуется администратор). Администратор может добавить вашу учётную запись в группу «lpadmin» (sudo adduser %2 lpadmin); затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>Сервер печати не разрешает Quorlink Tool изменить очередь печати %1 (требуется администратор). Администратор может добавить вашу учётную запись в группу «lpadmin» (sudo adduser %2 lpadmin); затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>Не удалось добавить очередь печати %1: %2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>Очередь печати %1 добавлена для %2 с драйвером %3.</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>Очередь печати %1 добавлена для %2 как необработанная (raw): драйвер производителя принтера не установлен, поэтому программы должны отправлять данные на собственном языке принтера.</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>Добавить очередь печати…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>Добавить очередь печати</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>Имя новой очереди печати для принтера %1:</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>Имя очереди содержит от 1 до 127 символов, без пробелов и / \ # ' " ,</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>Эти очереди печати обращаются к принтеру по его старому адресу %1:
%2
Направить их на новый адрес %3?</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>Очередь печати %1 теперь печатает на %2.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>Не удалось изменить очередь печати %1: %2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>Четыре числа от 0 до 255, разделённые точками</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>Страницы принтеров</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>Настройки принтера</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>Найденные принтеры</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>Значок</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>только для чтения</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>изменено</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>F4 открывает диалоговое окно</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%1 из %2 принтеров</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>Копировать IP-адрес</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>Копировать MAC-адрес</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>Все принтеры (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>Показанные принтеры (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>Файлы CSV</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>Не удалось записать список в %1: %2.</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>Введите номер порта от 0 до 32767.</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>Введите время бездействия от 0 до 3600 секунд.</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>Найдено принтеров: %1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>от %1 до %2 байт</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>не более %1 байт</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 или 8 цифр</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>от 8 до 63 символов ASCII</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>%1 букв, цифр, «-» или «_» либо %2 шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>адрес IPv4: четыре числа от 0 до 255, разделённые тремя точками</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1 не является сертификатом PEM или DER. Всё равно загрузить?</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1 не является сертификатом PEM или DER.</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>На странице «WLAN (дополнительно)» есть изменения, не сохранённые ни в принтере, ни в файле. При перезапуске приложения они будут потеряны.</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>Введите положительное целое число.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>Введите не более %1 символов.</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>Настройка LAN/WLAN</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>Сетевые параметры принтера</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>Открыть браузер</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC-адрес:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-адрес:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Маска подсети:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Номер порта:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>Настройка сети</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>Назначение IP-адреса </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Номер порта</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Время бездействия</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>Имя системы</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-адрес:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Маска подсети:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Номер порта:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>Время бездействия:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] с</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>Имя системы:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>ПОСЛЕДОВАТЕЛЬНЫЙ</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Параметры порта</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Скорость (бод):</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Биты данных:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Чётность:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Стоповые биты:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>Управление потоком:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-адрес:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Маска подсети:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (дополнительно)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Настройка WLAN</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Сброс к заводским</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>Показать пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>Ожидание</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>© HALDA. Все права защищены.</translation>
    </message>
</context>
</TS>
