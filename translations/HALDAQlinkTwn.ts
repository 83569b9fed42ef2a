<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>MAC 位址</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>系統名稱</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>類型</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>有線</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>無線</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>切換語言需要重新啟動應用程式。是否繼續?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>組態 #1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>連接埠號碼無效</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>確定要儲存組態嗎?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>無法儲存網路資訊。</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>系統名稱長度錯誤</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>有線</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>無線</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>無法使用此 IP 位址。</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>BSS 資訊</translation>
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
        <translation>WLAN 模式</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>安全性</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>基礎架構</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>臨機操作 (Ad hoc)</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>未知</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>無</translation>
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
        <translation>組態 #2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>裝置連線</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>沒有可用的連接埠</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>偶同位</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>奇同位</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>無</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>硬體</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>無</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>網路組態</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>IP 位址組態</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>已取得 WLAN 資訊。</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>無法取得 WLAN 資訊。</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>變更已套用。請重設印表機。</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>確定要儲存新組態嗎?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>無法儲存新組態資訊。</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>WLAN 基本組態</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>WLAN 模式</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>基礎架構</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>隨意 (Ad hoc)</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <comment>170</comment>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Soft AP</source>
        <comment>171</comment>
        <translation>軟體 AP</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>172</comment>
        <translation>頻道</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>請輸入最多 32 個字元。</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>PIN 碼</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>請輸入 4 位或 8 位數字作為 PIN 碼。</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>WLAN 安全性組態</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>驗證</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>開放系統</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>共用金鑰</translation>
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
        <translation>加密</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>無</translation>
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
        <translation>EAP 模式</translation>
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
        <translation>PSK 金鑰</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>EAP ID</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>EAP 密碼</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>IP 位址組態</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>IP 位址指派</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>手動</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>閘道</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>連接埠號碼</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>系統資訊</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>更新日期</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>MAC 位址</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>系統組態</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>系統名稱</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>使用者 ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>使用者密碼</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>閒置時間 (秒)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>無線頻率</translation>
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
        <translation>2.4GHz/5GHz (優先: 2.4GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2.4GHz/5GHz (優先: 5GHz)</translation>
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
        <translation>停用</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>啟用</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>SNMP 社群 (讀取)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>SNMP 社群 (寫入)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>SNMP 設陷社群</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>SNMP 設陷 IP 位址</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>上傳憑證</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>憑證類型</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>憑證檔案</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>確定要上傳憑證嗎?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>憑證無效。</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>憑證上傳成功。</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>無法上傳憑證。</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>用戶端金鑰</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>用戶端 PEM</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>PIN 碼長度錯誤。</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>SSID 長度錯誤</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>EAP ID 長度錯誤</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>EAP 密碼長度錯誤</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>PSK 金鑰長度錯誤</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>PSK 金鑰值錯誤</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>WEP-64 金鑰長度錯誤</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>WEP-64 金鑰值錯誤</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>WEP-128 金鑰長度錯誤</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>WEP-128 金鑰值錯誤</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>系統名稱長度錯誤</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>使用者 ID 長度錯誤</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>使用者密碼長度錯誤</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>社群名稱長度錯誤（讀取）</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>社群名稱長度錯誤（寫入）</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>設限 IP 位址長度錯誤</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>設限 IP 位址格式錯誤</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>設限社群名稱長度錯誤</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>連線</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>WEP-64 金鑰</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>WEP-128 金鑰</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>通訊協定</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>不支援</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>無法取得 BSS 資訊。</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>確定要還原出廠設定嗎?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>憑證名稱</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>無法還原出廠設定。</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>SNMP 設陷</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>找不到網路連線</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>選項</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>無法使用此子網路遮罩：其中為 1 的位元必須連續位於最前面，例如 255.255.255.0。</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>無法使用此 IP 位址：它是所屬子網路的網路位址或廣播位址。</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>閘道不在印表機的子網路內，印表機可能無法連線到它。仍要儲存嗎？</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>無法啟動網頁瀏覽器來開啟 %s。</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>您的帳戶無權開啟序列埠 %1。請要求管理員將它加入「%2」群組（sudo adduser %3 %2），然後登出並重新登入。</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>您的帳戶無權開啟 USB 印表機 %1。請安裝 Quorlink Tool 的 udev 規則（60-quorlink.rules）並重新插入印表機，或要求管理員將您的帳戶加入「%2」群組（sudo adduser %3 %2），然後登出並重新登入。</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1 正由另一個程式使用，可能是某個列印工作。請等待它完成或關閉該程式，然後再試一次。</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>%1 上沒有印表機回應：線路的 DSR 訊號已關閉。請檢查印表機是否已開機、纜線是否已連接。</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1 不存在。請檢查印表機是否已連接並開機，然後再試一次。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>無法開啟 %1：%2。</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>列印伺服器不允許 Quorlink Tool 暫停列印佇列 %1（它要求管理員身分）。在設定印表機期間列印到該佇列，可能會中斷設定。若要允許暫停，管理員可以將您的帳戶加入「lpadmin」群組（sudo adduser %2 lpadmin），然後請登出並重新登入。</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>列印伺服器不允許 Quorlink Tool 新增列印佇列 %1（它要求管理員）。管理員可以將您的帳戶加入「lpadmin」群組（sudo adduser %2 lpadmin）；然後登出並重新登入。</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>列印伺服器不允許 Quorlink Tool 變更列印佇列 %1（它要求管理員）。管理員可以將您的帳戶加入「lpadmin」群組（sudo adduser %2 lpadmin）；然後登出並重新登入。</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>無法新增列印佇列 %1：%2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>已為 %2 新增列印佇列 %1，驅動程式為 %3。</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>已為 %2 新增列印佇列 %1，作為原始（raw）佇列：未安裝印表機製造商的驅動程式，因此程式必須傳送印表機本身的語言。</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>新增列印佇列…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>新增列印佇列</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>印表機 %1 的新列印佇列名稱：</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>佇列名稱為 1 到 127 個字元，不含空格及 / \ # ' " ,</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>以下列印佇列透過舊位址 %1 連到該印表機：
%2
是否將它們指向新位址 %3？</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>列印佇列 %1 現在列印到 %2。</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>無法變更列印佇列 %1：%2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>四個 0 到 255 之間的數字，以點分隔</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>印表機頁面</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>印表機設定</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>找到的印表機</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>圖示</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>唯讀</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>已變更</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>按 F4 開啟對話方塊</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>篩選</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%1/%2 台印表機</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>匯出…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>複製</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>複製 IP 位址</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>複製 MAC 位址</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>所有印表機 (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>顯示的印表機 (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>CSV 檔案</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>無法將清單寫入 %1：%2。</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>請輸入 0 到 32767 之間的連接埠號碼。</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>請輸入 0 到 3600 秒之間的閒置時間。</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>目前已找到的印表機：%1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>%1 到 %2 個位元組</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>最多 %1 個位元組</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 位或 8 位數字</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>8 到 63 個 ASCII 字元</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>%1 個字母、數字、「-」或「_」，或 %2 個十六進位數字</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>IPv4 位址：四個 0 到 255 之間的數字，以三個點分隔</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1 既不是 PEM 憑證也不是 DER 憑證。仍要上傳嗎？</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1 既不是 PEM 憑證也不是 DER 憑證。</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>「WLAN (進階)」頁面中有尚未儲存到印表機或檔案的變更。重新啟動應用程式後，這些變更將會遺失。</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>請輸入正整數。</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>最多輸入 %1 個字元。</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>LAN/WLAN 組態</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>印表機網路資訊</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>組態</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>開啟瀏覽器</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC 位址:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 位址:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子網路遮罩:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>閘道:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>連接埠號碼:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>網路組態</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>IP 位址指派 </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>連接埠號碼</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>閒置時間</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>系統名稱</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 位址:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子網路遮罩:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>閘道:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>連接埠號碼:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>閒置時間:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] 秒</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>系統名稱:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>介面</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>序列</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>連接埠設定</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>連接埠:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>鮑率:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>資料位元:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>同位檢查:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>停止位元:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>流量控制:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 位址:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子網路遮罩:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>閘道:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (進階)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN 組態</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>另存為檔案</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>恢復出廠設定</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>中斷連線</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>顯示密碼</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>正在搜尋</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>正在等待</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>版權所有 © HALDA。保留一切權利。</translation>
    </message>
</context>
</TS>
